#include "config/answer_page.h"

#include "config/answer_page_controls.h"
#include "settings/record_values.h"

namespace lectavo {
namespace {

constexpr int kAddressTypedLength = 256;
// What the record keeps of the field: a stored 255-character address is shortened too.
constexpr int kAddressStoredLength = static_cast<int>(kAddressCCValue.highest);

}  // namespace

AnswerPage::AnswerPage(SettingsRecord* record, TextSource*)
    : Dialog(kAnswerPageTemplate),
      record_(record),
      answerOn_(GetCheckBox(kAnswerOnId)),
      answerNote_(GetCheckBox(kAnswerNoteId)),
      answerOriginal_(GetCheckBox(kAnswerOriginalId)),
      address_(GetEdit(kAddressId)),
      answerTime_(GetComboBox(kAnswerTimeId)) {
  OnCommand(kAnswerOnId, kBnClicked, [this] { StoreBox(answerOn_, FlagAnswerOn); });
  OnCommand(kAnswerNoteId, kBnClicked, [this] { StoreBox(answerNote_, FlagAnswerNote); });
  OnCommand(kAnswerOriginalId, kBnClicked,
            [this] { StoreBox(answerOriginal_, FlagAnswerOriginal); });
  OnCommand(kAddressId, kEnChange, &AnswerPage::OnChangeAddress);
  OnCommand(kAnswerTimeId, kCbnSelChange, &AnswerPage::OnSelChangeAnswerTime);
}

bool AnswerPage::OnInitDialog() {
  address_.LimitText(kAddressTypedLength);
  ShowDialogLanguage(*this, kAnswerPageTexts, record_->ValSpeak);
  answerOn_.SetCheck(static_cast<int>(FlagAnswerOn.Get(record_->ValSpeak)));
  answerNote_.SetCheck(static_cast<int>(FlagAnswerNote.Get(record_->ValSpeak)));
  answerOriginal_.SetCheck(static_cast<int>(FlagAnswerOriginal.Get(record_->ValSpeak)));
  // Raises the field's change notification, which copies the address back, shortened.
  address_.SetWindowText(record_->StrAddressCC);
  // List position i stands for the shortest time plus i minutes.
  const std::uint32_t minutes = record_->ValAnswerTime;
  const bool listed = minutes >= kAnswerTimeValue.lowest && minutes <= kAnswerTimeValue.highest;
  answerTime_.SetCurSel(listed ? static_cast<int>(minutes - kAnswerTimeValue.lowest) : -1);
  return true;
}

// The boxes are independent: a click changes its own bit and nothing else.
void AnswerPage::StoreBox(const CheckBox& box, BitField bit) {
  record_->ValSpeak = bit.Set(record_->ValSpeak, box.GetCheck() == 1 ? 1u : 0u);
}

// Taken as typed: not checked as an address, trimmed or split.
void AnswerPage::OnChangeAddress() {
  address_.GetWindowText(record_->StrAddressCC, kAddressStoredLength + 1);
}

// Only a chosen list item counts; text typed into the combo box's field changes nothing.
void AnswerPage::OnSelChangeAnswerTime() {
  const int position = answerTime_.GetCurSel();
  if (position < 0) return;
  record_->ValAnswerTime = static_cast<std::uint32_t>(position) + kAnswerTimeValue.lowest;
}

}  // namespace lectavo
