// The "Sprechen" / "Speak" page: speed, pitch and volume of the voice (stored halved in
// ValSpeak), the speech language (ValUsedLang) and the masculine voice (bit 26).
#pragma once

#include "config/text_source.h"
#include "framework/dialog.h"
#include "settings/settings_record.h"

namespace lectavo {

extern const DialogTemplate kSpeakPageTemplate;

class SpeakPage final : public Dialog {
 public:
  SpeakPage(SettingsRecord* record, TextSource* texts);

 private:
  // A number field and the half of ValSpeak it shows doubled.
  struct Field {
    int id;
    HalvedField shown;
  };
  static const Field kSpeed;
  static const Field kPitch;
  static const Field kVolume;

  bool OnInitDialog() override;
  // The change handler of each number field.
  void StoreField(const Edit& edit, const Field& field);
  void OnSelChangeLanguage();
  void OnClickedMaleVoice();

  SettingsRecord* record_;
  TextSource* texts_;
  Edit speed_;
  Edit pitch_;
  Edit volume_;
  ComboBox language_;
  CheckBox maleVoice_;
};

}  // namespace lectavo
