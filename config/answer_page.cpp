#include "config/answer_page.h"

namespace lectavo {
namespace {

constexpr int kAddressTypedLength = 256;
// What the record keeps of the field: a stored 255-character address is shortened too.
constexpr int kAddressStoredLength = 254;
constexpr std::uint32_t kLongestAnswerTime = 10;

}  // namespace

AnswerPage::AnswerPage(SettingsRecord* record, TextSource*)
    : Dialog(kAnswerPageTemplate),
      record_(record),
      answerOn_(GetCheckBox(1000)),
      answerNote_(GetCheckBox(1007)),
      answerOriginal_(GetCheckBox(1025)),
      address_(GetEdit(1008)),
      answerTime_(GetComboBox(1023)) {
  OnCommand(1000, kBnClicked, &AnswerPage::OnClickedAnswerOn);
  OnCommand(1007, kBnClicked, &AnswerPage::OnClickedAnswerNote);
  OnCommand(1025, kBnClicked, &AnswerPage::OnClickedAnswerOriginal);
  OnCommand(1008, kEnChange, &AnswerPage::OnChangeAddress);
  OnCommand(1023, kCbnSelChange, &AnswerPage::OnSelChangeAnswerTime);
}

bool AnswerPage::OnInitDialog() {
  address_.LimitText(kAddressTypedLength);
  if (FlagDialogEnglish.Get(record_->ValSpeak) == 1) {
    answerOn_.SetWindowText(u" Activating answer to e-mail");
    answerOriginal_.SetWindowText(u" Enclosing original text");
    answerNote_.SetWindowText(u" Enclosing reference to answer");
    GetLabel(1027).SetWindowText(u"CC to");
    GetLabel(1028).SetWindowText(u"Max. length of the\nanswer [min]");
  }
  answerOn_.SetCheck(static_cast<int>(FlagAnswerOn.Get(record_->ValSpeak)));
  answerNote_.SetCheck(static_cast<int>(FlagAnswerNote.Get(record_->ValSpeak)));
  answerOriginal_.SetCheck(static_cast<int>(FlagAnswerOriginal.Get(record_->ValSpeak)));
  // Raises the field's change notification, which copies the address back, shortened.
  address_.SetWindowText(record_->StrAddressCC);
  const std::uint32_t minutes = record_->ValAnswerTime;
  answerTime_.SetCurSel(
      minutes >= 1 && minutes <= kLongestAnswerTime ? static_cast<int>(minutes - 1) : -1);
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
  record_->ValAnswerTime = static_cast<std::uint32_t>(position) + 1;
}

}  // namespace lectavo
