#include "config/speak_page.h"

#include "config/decimal_text.h"
#include "settings/language_table.h"

namespace lectavo {
namespace {

constexpr int kTypedLength = 3;
// Any value outside a field's range stores this half: speed, pitch or volume 100.
constexpr std::uint32_t kOutOfRangeHalf = 50;

}  // namespace

const SpeakPage::Field SpeakPage::kSpeed{1008, SpeedHalf, 20, 500};
const SpeakPage::Field SpeakPage::kPitch{1009, PitchHalf, 50, 200};
const SpeakPage::Field SpeakPage::kVolume{1010, VolumeHalf, 0, 100};

SpeakPage::SpeakPage(SettingsRecord* record, TextSource* texts)
    : Dialog(kSpeakPageTemplate),
      record_(record),
      texts_(texts),
      speed_(GetEdit(kSpeed.id)),
      pitch_(GetEdit(kPitch.id)),
      volume_(GetEdit(kVolume.id)),
      language_(GetComboBox(1011)),
      maleVoice_(GetCheckBox(1005)) {
  OnCommand(kSpeed.id, kEnChange, &SpeakPage::OnChangeSpeed);
  OnCommand(kPitch.id, kEnChange, &SpeakPage::OnChangePitch);
  OnCommand(kVolume.id, kEnChange, &SpeakPage::OnChangeVolume);
  OnCommand(1011, kCbnSelChange, &SpeakPage::OnSelChangeLanguage);
  OnCommand(1005, kBnClicked, &SpeakPage::OnClickedMaleVoice);
}

bool SpeakPage::OnInitDialog() {
  pitch_.LimitText(kTypedLength);
  speed_.LimitText(kTypedLength);
  volume_.LimitText(kTypedLength);
  // Each text raises its field's change notification, so a stored value out of range is
  // corrected as soon as the page opens.
  const std::uint32_t speak = record_->ValSpeak;
  pitch_.SetWindowText(FormatSigned(static_cast<std::int32_t>(2 * PitchHalf.Get(speak))));
  speed_.SetWindowText(FormatSigned(static_cast<std::int32_t>(2 * SpeedHalf.Get(speak))));
  volume_.SetWindowText(FormatSigned(static_cast<std::int32_t>(2 * VolumeHalf.Get(speak))));
  maleVoice_.SetCheck(static_cast<int>(FlagMaleVoice.Get(record_->ValSpeak)));

  // The names keep the language the program started with.
  for (int position = 1; position <= kLanguageCount; ++position) {
    if (IsOfferedLanguage(position)) language_.AddString(texts_->LanguageName(position - 1));
  }
  const std::uint32_t listPosition = LangListPos.Get(record_->ValUsedLang);
  language_.SetCurSel(listPosition < static_cast<std::uint32_t>(language_.GetCount())
                          ? static_cast<int>(listPosition)
                          : -1);

  if (FlagDialogEnglish.Get(record_->ValSpeak) == 1) {
    GetLabel(1018).SetWindowText(u"Speed (20..500)");
    GetLabel(1019).SetWindowText(u"Pitch (50..200)");
    GetLabel(1020).SetWindowText(u"Volume (0..100)");
    GetLabel(1021).SetWindowText(u" Standard language");
    maleVoice_.SetWindowText(u" German masculine voice");
  }
  return true;
}

// The text stays as typed; only the record is corrected. A negative number compares as a
// large unsigned one and so is out of range.
void SpeakPage::StoreField(const Edit& edit, const Field& field) {
  WChar text[8] = {};
  edit.GetWindowText(text, kTypedLength + 1);
  const auto value = static_cast<std::uint32_t>(ParseSigned(text));
  const std::uint32_t half =
      value >= field.lowest && value <= field.highest ? value / 2 : kOutOfRangeHalf;
  record_->ValSpeak = field.half.Set(record_->ValSpeak, half);
}

// ValUsedLang = list position x 64 + table position of the chosen language.
void SpeakPage::OnSelChangeLanguage() {
  const int listPosition = language_.GetCurSel();
  if (listPosition < 0) return;
  int offered = 0;
  for (int position = 1; position <= kLanguageCount; ++position) {
    if (IsOfferedLanguage(position) && ++offered == listPosition + 1) {
      record_->ValUsedLang = LangListPos.Set(0, static_cast<std::uint32_t>(listPosition)) |
                             LangNumber.Set(0, static_cast<std::uint32_t>(position));
      return;
    }
  }
}

void SpeakPage::OnClickedMaleVoice() {
  record_->ValSpeak = FlagMaleVoice.Set(record_->ValSpeak, maleVoice_.GetCheck() == 1 ? 1u : 0u);
}

}  // namespace lectavo
