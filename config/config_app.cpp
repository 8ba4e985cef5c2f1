#include "config/config_app.h"

#include "config/config_dialog.h"
#include "config/text_converter.h"
#include "config/text_source.h"
#include "settings/settings_store.h"

namespace lectavo {
namespace {

constexpr WChar kCaption[] = u"Lectavo";
constexpr WChar kInstanceName[] = u"Lectavo_Config";
// A copy started a moment before may not show its dialog yet: wait for it a few seconds.
constexpr int kRaiseAttempts = 50;
constexpr std::uint32_t kRaiseWait = 100;

}  // namespace

bool ConfigApp::InitInstance() {
  // One dialog at a time: two would each store their own record, the last one confirmed
  // undoing the other's changes. A second start shows the first dialog and touches nothing.
  if (!instance_.Claim(kInstanceName)) {
    for (int attempt = 0; attempt < kRaiseAttempts && !instance_.Raise(kDialogCaption);
         ++attempt) {
      clock_.Sleep(kRaiseWait);
    }
    return false;
  }
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
