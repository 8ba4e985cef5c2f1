// Lectavo_Config on the fakes and the headless windows: a registry record, the program's
// start-up hook, and the user's actions while its dialog is shown.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

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
#include "tests/support/text.h"

namespace lectavo {

class ConfigHarness {
 public:
  static constexpr std::uint32_t kEnglish = 1u << 22;

  // The install defaults, with ValSpeak and ValWaitStart as given.
  void PutRecord(std::uint32_t speak = kDefaultSpeak, std::uint32_t waitStart = 10) {
    registry.PutDword(kSettingsKey, u"ValSpeak", speak);
    registry.PutDword(kSettingsKey, u"ValUsedLang", kDefaultUsedLang);
    registry.PutText(kSettingsKey, u"StrAccounts", u"");
    registry.PutDword(kSettingsKey, u"ValWaitStart", waitStart);
    registry.PutText(kSettingsKey, u"StrLangPath", u"C:\\Lectavo\\");
  }

  // Runs the program; user acts while the main dialog is shown.
  void RunProgram(std::function<void(HeadlessWindowSystem&)> user) {
    bool shown = false;
    windows.whileModal = [&shown, &user](HeadlessWindowSystem& w) {
      shown = true;
      if (user) user(w);
    };
    EXPECT_FALSE(application.InitInstance());
    dialogShown = shown;
  }

  std::uint32_t Stored(const WChar* name) const {
    return registry.Dword(kSettingsKey, name).value_or(0xDEADBEEF);
  }

  bool WroteAnything() const {
    return std::any_of(registry.log.begin(), registry.log.end(), [](const std::string& entry) {
      return entry.rfind("SetValue", 0) == 0 || entry.rfind("CreateKey", 0) == 0;
    });
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
  bool dialogShown = false;
};

class ConfigTest : public ::testing::Test, public ConfigHarness {};

}  // namespace lectavo
