// Lectavo_Config on the fakes and the headless windows, as the unit tests and the fuzz
// targets run it: every role it uses, the program on them, and the install's record.
#pragma once

#include "config/config_app.h"
#include "framework/headless/headless_window_system.h"
#include "settings/settings_store.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fake_code_page.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_messaging.h"
#include "tests/support/fake_registry.h"
#include "tests/support/fake_single_instance.h"
#include "tests/support/fake_user_interface.h"

namespace lectavo {

struct ConfigProgram {
  // The install defaults, with ValSpeak and ValWaitStart as given.
  void PutRecord(std::uint32_t speak = kDefaultSpeak, std::uint32_t waitStart = kDefaultWaitStart) {
    registry.PutDword(kSettingsKey, u"ValSpeak", speak);
    registry.PutDword(kSettingsKey, u"ValUsedLang", kDefaultUsedLang);
    registry.PutText(kSettingsKey, u"StrAccounts", u"");
    registry.PutDword(kSettingsKey, u"ValWaitStart", waitStart);
    registry.PutText(kSettingsKey, u"StrLangPath", u"C:\\Lectavo\\");
  }

  fake::FakeRegistry registry;
  fake::FakeFiles files;
  fake::FakeCodePage codePage;
  fake::FakeUserInterface userInterface;
  HeadlessWindowSystem windows;
  fake::FakeMessaging messaging;
  fake::FakeSingleInstance instance;
  fake::FakeClock clock;
  ConfigApp application{registry, files,     codePage, userInterface,
                        windows,  messaging, instance, clock};
};

}  // namespace lectavo
