#include "config/config_app.h"

#include "config/config_dialog.h"
#include "config/text_converter.h"
#include "config/text_source.h"
#include "settings/settings_store.h"

namespace lectavo {
namespace {

constexpr WChar kCaption[] = u"Lectavo";

}  // namespace

bool ConfigApp::InitInstance() {
  TextConverter converter(codePage_, userInterface_);
  SettingsStore store(registry_);
  TextSource texts(codePage_, userInterface_);
  const Handle smallIcon = windows_.LoadSmallIcon(kSmallIconResource);
  SettingsRecord record{};

  // The language is that of ValSpeak as far as it was loaded: German when it was not.
  if (store.LoadSettings(record) != 0 || store.LoadLangPath(record) != 0) {
    converter.ErrorBox(u"Notwendige Registry-Einträge fehlen.",
                       u"Necessary Registry entries are missing.",
                       FlagDialogEnglish.Get(record.ValSpeak) == 1, kCaption);
    return false;
  }
  // Fixes the captions' language for the whole run.
  texts.SetLanguage(static_cast<int>(FlagDialogEnglish.Get(record.ValSpeak)));

  ConfigDialog dialog(&record, &texts,
                      PagePlatform{files_, codePage_, userInterface_, messaging_}, smallIcon);
  const int result = dialog.DoModal(windows_);
  windows_.RemoveOnePendingMessage();
  // The save-failure text follows the language the user chose in this run.
  if (result == kIdOk && store.SaveSettings(record) != 0) {
    converter.ErrorBox(u"Änderungen können nicht gespeichert werden.", u"Changes cannot be stored.",
                       FlagDialogEnglish.Get(record.ValSpeak) == 1, kCaption);
  }
  return false;
}

}  // namespace lectavo
