#include "config/speak_page.h"

#include "config/decimal_text.h"
#include "config/speak_page_controls.h"
#include "settings/language_table.h"

namespace lectavo {
namespace {

// The field's length follows its largest value.
constexpr int TypedLength(const HalvedField& field) { return DecimalDigits(field.highest); }

}  // namespace

const SpeakPage::Field SpeakPage::kSpeed{kSpeedId, kSpeedField};
const SpeakPage::Field SpeakPage::kPitch{kPitchId, kPitchField};
const SpeakPage::Field SpeakPage::kVolume{kVolumeId, kVolumeField};

SpeakPage::SpeakPage(SettingsRecord* record, TextSource* texts)
    : Dialog(kSpeakPageTemplate),
      record_(record),
      texts_(texts),
      speed_(GetEdit(kSpeed.id)),
      pitch_(GetEdit(kPitch.id)),
      volume_(GetEdit(kVolume.id)),
      language_(GetComboBox(kSpeechLanguageId)),
      maleVoice_(GetCheckBox(kMaleVoiceId)) {
  OnCommand(kSpeed.id, kEnChange, [this] { StoreField(speed_, kSpeed); });
  OnCommand(kPitch.id, kEnChange, [this] { StoreField(pitch_, kPitch); });
  OnCommand(kVolume.id, kEnChange, [this] { StoreField(volume_, kVolume); });
  OnCommand(kSpeechLanguageId, kCbnSelChange, &SpeakPage::OnSelChangeLanguage);
  OnCommand(kMaleVoiceId, kBnClicked, &SpeakPage::OnClickedMaleVoice);
}

bool SpeakPage::OnInitDialog() {
  pitch_.LimitText(TypedLength(kPitchField));
  speed_.LimitText(TypedLength(kSpeedField));
  volume_.LimitText(TypedLength(kVolumeField));
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

  ShowDialogLanguage(*this, kSpeakPageTexts, record_->ValSpeak);
  return true;
}

// The text stays as typed; only the record is corrected: a value out of range stores the
// field's default half. A negative number compares as a large unsigned one and so is out of
// range.
void SpeakPage::StoreField(const Edit& edit, const Field& field) {
  WChar text[8] = {};
  edit.GetWindowText(text, TypedLength(field.shown) + 1);
  const auto value = static_cast<std::uint32_t>(ParseSigned(text));
  const HalvedField& shown = field.shown;
  const std::uint32_t half =
      value >= shown.lowest && value <= shown.highest ? value / 2 : shown.standardHalf;
  record_->ValSpeak = shown.half.Set(record_->ValSpeak, half);
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
