// Lectavo_Config on the fakes and the headless windows, as the unit tests and the fuzz
// targets run it: every role it uses, the program on them, and the install's record.
#pragma once

#include "config/config_app.h"
#include "framework/headless/headless_window_system.h"
#include "settings/settings_store.h"
#include "tests/support/complete_record.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fake_code_page.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_messaging.h"
#include "tests/support/fake_registry.h"
#include "tests/support/fake_single_instance.h"
#include "tests/support/fake_user_interface.h"

namespace lectavo {

struct ConfigProgram {
  // The record an installation into "C:\Lectavo\" leaves, with ValSpeak and ValWaitStart as
  // given.
  void PutRecord(std::uint32_t speak = kDefaultSpeak, std::uint32_t waitStart = kDefaultWaitStart) {
    fake::RecordValues values = fake::InstallRecord(speak, u"C:\\Lectavo\\");
    values.waitStart = waitStart;
    fake::PutRecord(registry, values);
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
