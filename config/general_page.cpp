#include "config/general_page.h"

#include "config/decimal_text.h"
#include "config/general_page_controls.h"
#include "settings/record_values.h"

namespace lectavo {
namespace {

// The field's length is what keeps a typed value within its range.
constexpr int kWaitStartTypedLength = DecimalDigits(kWaitStartValue.highest);
// What the field reads back: more than any stored value can show, so a value written into
// the registry by other means is read back whole.
constexpr int kWaitStartReadLength = 15;

}  // namespace

GeneralPage::GeneralPage(SettingsRecord* record, TextSource*)
    : Dialog(kGeneralPageTemplate),
      record_(record),
      waitStart_(GetEdit(kWaitStartId)),
      language_(GetComboBox(kDialogLanguageId)) {
  OnCommand(kDialogLanguageId, kCbnSelChange, &GeneralPage::OnSelChangeLanguage);
  OnCommand(kWaitStartId, kEnChange, &GeneralPage::OnChangeWaitStart);
}

bool GeneralPage::OnInitDialog() {
  language_.SetCurSel(static_cast<int>(FlagDialogEnglish.Get(record_->ValSpeak)));
  // Raises the field's change notification: the value is stored again, a 0 becomes 10.
  waitStart_.SetWindowText(FormatSigned(static_cast<std::int32_t>(record_->ValWaitStart)));
  waitStart_.LimitText(kWaitStartTypedLength);
  ShowDialogLanguage(*this, kGeneralPageTexts, record_->ValSpeak);
  return true;
}

// Only pages opened from now on, and the captions from the next start on, change language.
void GeneralPage::OnSelChangeLanguage() {
  const int position = language_.GetCurSel();
  if (position < 0) return;
  record_->ValSpeak =
      FlagDialogEnglish.Set(record_->ValSpeak, static_cast<std::uint32_t>(position) & 1);
}

void GeneralPage::OnChangeWaitStart() {
  WChar text[kWaitStartReadLength + 1] = {};
  waitStart_.GetWindowText(text, kWaitStartReadLength + 1);
  const std::int32_t seconds = ParseSigned(text);
  record_->ValWaitStart =
      seconds == 0 ? kWaitStartValue.standard : static_cast<std::uint32_t>(seconds);
}

}  // namespace lectavo
