// The configuration program's main dialog: a tab control with one settings page at a time.
// It edits and stores nothing itself; OK ends it with IDOK, any other close with IDCANCEL.
#pragma once

#include "config/config_dialog_controls.h"
#include "config/page_tab_ctrl.h"
#include "config/text_source.h"
#include "framework/dialog.h"
#include "platform/messaging.h"
#include "settings/settings_record.h"

namespace lectavo {

extern const DialogTemplate kConfigDialogTemplate;

class ConfigDialog final : public Dialog {
 public:
  // smallIcon: the window icon, loaded by the application.
  ConfigDialog(SettingsRecord* record, TextSource* texts, const PagePlatform& platform,
               Handle smallIcon);

 private:
  bool OnInitDialog() override;
  // Ctrl+Tab and Ctrl+PageDown show the next page, Ctrl+Shift+Tab and Ctrl+PageUp the one
  // before, wherever the focus is.
  bool PreTranslateKey(int virtualKey, bool control, bool shift) override;

  Handle smallIcon_;
  PageTabCtrl tabs_;
};

}  // namespace lectavo
