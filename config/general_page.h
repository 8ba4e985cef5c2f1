// The "Allgemein" / "General" page: the dialog language (bit 22 of ValSpeak) and the
// launcher's wait after a restart (ValWaitStart).
#pragma once

#include "config/text_source.h"
#include "framework/dialog.h"
#include "settings/settings_record.h"

namespace lectavo {

extern const DialogTemplate kGeneralPageTemplate;

class GeneralPage final : public Dialog {
 public:
  GeneralPage(SettingsRecord* record, TextSource* texts);

 private:
  bool OnInitDialog() override;
  void OnSelChangeLanguage();
  void OnChangeWaitStart();

  SettingsRecord* record_;
  Edit waitStart_;
  ComboBox language_;
};

}  // namespace lectavo
