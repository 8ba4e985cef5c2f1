// The Win32 messaging adapter under Wine against the device's messaging library, found by its
// name in the device's system folder: what the Accounts page reads through it, and what it
// does when the library or its calls are not there.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "config/mapi_session.h"
#include "platform/win32/win32_roles.h"
#include "tests/wine/support/messaging_library.h"
#include "tests/wine/support/paths.h"
#include "tests/wine/support/ui_driver.h"

namespace lectavo {
namespace {

MessageStoreList Read(Messaging& messaging) {
  MessageStoreList list;
  MapiSession session(messaging);
  session.Logon();
  session.ReadMessageStores(&list);
  return list;
}

std::vector<std::wstring> Names(const MessageStoreList& list) {
  std::vector<std::wstring> names;
  for (const MessageStore& store : list) {
    names.emplace_back(store.displayName.begin(), store.displayName.end());
  }
  return names;
}

class MessagingWineTest : public ::testing::Test {
 protected:
  void TearDown() override {
    device::PutMessageStores({});
    device::InstallMessagingLibrary();
  }
};

TEST_F(MessagingWineTest, ListsTheDeviceStoresInTableOrderWithTheirEntryIds) {
  const std::vector<std::wstring> names = {L"Posteingang", L"B\u00fcro \u20ac", L"",
                                           std::wstring(255, L'x')};
  device::PutMessageStores(names);
  ASSERT_TRUE(device::InstallMessagingLibrary());
  Win32Messaging messaging;
  const MessageStoreList list = Read(messaging);
  EXPECT_EQ(Names(list), names);
  ASSERT_EQ(list.size(), names.size());
  for (std::uint8_t number = 1; number <= list.size(); ++number) {
    EXPECT_EQ(list[number - 1].entryId, (std::vector<std::uint8_t>{number, 0, 0, 0}));
  }
  // Read again through the same binding: a new table starts at the first store.
  EXPECT_EQ(Names(Read(messaging)), names);
}

// Without the library, or without its calls, no log-on succeeds and nothing is listed; once
// the library is there, the next log-on finds it.
TEST_F(MessagingWineTest, LogOnFailsUntilTheLibraryWithItsCallsIsThere) {
  struct Case {
    const char* name;
    std::function<bool()> messagingLibrary;
  };
  const Case cases[] = {
      {"no messaging library", device::RemoveMessagingLibrary},
      {"a library of that name without the messaging calls",
       [] { return device::InstallAsMessagingLibrary(wine::PackagePath(L"Lectavo_Setup.dll")); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    device::PutMessageStores({L"A", L"B"});
    ASSERT_TRUE(c.messagingLibrary());
    Win32Messaging messaging;
    MessagingSession* session = nullptr;
    EXPECT_FALSE(messaging.LogonEx(kNoHandle, nullptr, nullptr, 0, &session));
    EXPECT_EQ(session, nullptr);
    EXPECT_TRUE(Read(messaging).empty());
    ASSERT_TRUE(device::InstallMessagingLibrary());
    EXPECT_EQ(Names(Read(messaging)), (std::vector<std::wstring>{L"A", L"B"}));
  }
}

}  // namespace
}  // namespace lectavo
