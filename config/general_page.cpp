#include "config/general_page.h"

#include "config/decimal_text.h"

namespace lectavo {
namespace {

constexpr int kWaitStartTypedLength = 2;
// What the field reads back: more than any stored value can show, so a value written into
// the registry by other means is read back whole.
constexpr int kWaitStartReadLength = 15;
constexpr std::uint32_t kWaitStartForZero = 10;

}  // namespace

GeneralPage::GeneralPage(SettingsRecord* record, TextSource*)
    : Dialog(kGeneralPageTemplate),
      record_(record),
      waitLabel_(GetLabel(1024)),
      waitStart_(GetEdit(1008)),
      language_(GetComboBox(1023)) {
  OnCommand(1023, kCbnSelChange, &GeneralPage::OnSelChangeLanguage);
  OnCommand(1008, kEnChange, &GeneralPage::OnChangeWaitStart);
}

bool GeneralPage::OnInitDialog() {
  language_.SetCurSel(static_cast<int>(FlagDialogEnglish.Get(record_->ValSpeak)));
  // Raises the field's change notification: the value is stored again, a 0 becomes 10.
  waitStart_.SetWindowText(FormatSigned(static_cast<std::int32_t>(record_->ValWaitStart)));
  waitStart_.LimitText(kWaitStartTypedLength);
  if (FlagDialogEnglish.Get(record_->ValSpeak) == 1) {
    waitLabel_.SetWindowText(u"Wait after restart (1..99 sec)");
  }
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
  record_->ValWaitStart = seconds == 0 ? kWaitStartForZero : static_cast<std::uint32_t>(seconds);
}

}  // namespace lectavo
