// Lectavo_Config on the fakes and the headless windows: a registry record, the program's
// start-up hook, and the user's actions while its dialog is shown.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "config/config_dialog_controls.h"
#include "tests/config/config_program.h"
#include "tests/support/text.h"

namespace lectavo {

using fake::kEnglish;

class ConfigHarness : public ConfigProgram {
 public:
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

  bool dialogShown = false;
};

class ConfigTest : public ::testing::Test, public ConfigHarness {};

}  // namespace lectavo
