// The device's side of make mail, and where its messaging library keeps and looks for
// messages: DeliverMail puts one whole message into the named store's inbox, with the parts
// exactly as given; an unknown store gets nothing; a store's folder name is always one
// folder; an entry id that points out of the inbox opens nothing.
#include <gtest/gtest.h>
#include <windows.h>

#include <shlobj.h>

#include <cstring>
#include <optional>
#include <string>

#include "platform/win32/win32_roles.h"
#include "standins/messaging/message_stores.h"
#include "tests/wine/support/device.h"
#include "tests/wine/support/messaging_library.h"
#include "tests/wine/support/paths.h"

namespace lectavo {
namespace {

struct Mail {
  const wchar_t* store;
  const wchar_t* from;
  const wchar_t* subject;
  const wchar_t* body;
};

int Deliver(const Mail& mail) {
  SetEnvironmentVariableW(L"LECTAVO_MAIL_STORE", mail.store);
  SetEnvironmentVariableW(L"LECTAVO_MAIL_FROM", mail.from);
  SetEnvironmentVariableW(L"LECTAVO_MAIL_SUBJECT", mail.subject);
  SetEnvironmentVariableW(L"LECTAVO_MAIL_BODY", mail.body);
  return device::RunAndPump(wine::HostPath(LECTAVO_DELIVER_MAIL), L"");
}

class DeliverMailWineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    device::PutMessageStores({L"B\u00fcro", L"Privat"});
    device::RemoveTree(kMessageFoldersRoot);
  }
  void TearDown() override {
    device::PutMessageStores({});
    device::RemoveTree(kMessageFoldersRoot);
  }
};

TEST_F(DeliverMailWineTest, PutsTheMessageWholeIntoTheStoresInboxWithThePartsAsGiven) {
  const struct {
    Mail mail;
    std::string file;
  } cases[] = {
      {{L"B\u00fcro", L"Anna Beispiel <anna@example.org>", L"$(touch /tmp/x) \"q\" 's' \u20ac",
        L"Zeile 1\nZeile 2 $HOME"},
       "Sender-Name: Anna Beispiel\nSender-Address: anna@example.org\n"
       "Subject: $(touch /tmp/x) \"q\" 's' \xE2\x82\xAC\n\nZeile 1\nZeile 2 $HOME"},
      {{L"B\u00fcro", L"anna@example.org", L"zwei\r\nZeilen", L""},
       "Sender-Address: anna@example.org\nSubject: zwei  Zeilen\n\n"},
      {{L"B\u00fcro", L"", L"", L"ohne Absender"}, "Subject: \n\nohne Absender"},
      {{L"B\u00fcro", L"Nur Name", L"x", L"y"}, "Sender-Name: Nur Name\nSubject: x\n\ny"},
  };
  const std::wstring inbox = InboxFolder(L"B\u00fcro");
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    ASSERT_EQ(Deliver(cases[i].mail), 0);
    const std::vector<std::wstring> names = ListMessageFiles(inbox);
    ASSERT_EQ(names.size(), i + 1) << "one more message, in arrival order";
    EXPECT_EQ(device::Content(inbox + names.back()), cases[i].file);
  }
  EXPECT_EQ(device::Names(inbox).size(), std::size(cases)) << "nothing half-written is left";
  EXPECT_FALSE(device::Exists(InboxFolder(L"Privat")));
}

TEST_F(DeliverMailWineTest, AStoreTheDeviceDoesNotHaveGetsNothing) {
  for (const wchar_t* store : {L"Buero", L"b\u00fcro", L"", L"..\\B\u00fcro"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(store)));
    EXPECT_EQ(Deliver({store, L"a@example.org", L"s", L"b"}), 1);
  }
  EXPECT_TRUE(device::FilesBelow(kMessageFoldersRoot).empty());
}

TEST(MessageFoldersWineTest, EveryStoreNameIsOneFolderOfItsOwn) {
  const struct {
    std::wstring name;
    std::wstring folder;
  } cases[] = {
      {L"B\u00fcro", L"B\u00fcro"},
      {L"", L"%"},
      {L"a\\b/c:d*e?f\"g<h>i|j%k",
       L"a%005Cb%002Fc%003Ad%002Ae%003Ff%0022g%003Ch%003Ei%007Cj%0025k"},
      {L"..", L".%002E"},
      {L"Ende ", L"Ende%0020"},
      {L"con", L"%0063on"},
      {L"LPT1.txt", L"%004CPT1.txt"},
      {L"Tab\there", L"Tab%0009here"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.name));
    EXPECT_EQ(StoreFolder(c.name), c.folder);
  }
  const std::wstring longName(255, L'?');
  const std::wstring longFolder = StoreFolder(longName);
  EXPECT_LE(longFolder.size(), 100u);
  EXPECT_NE(longFolder, StoreFolder(longName + L"x"));
  EXPECT_EQ(longFolder.find_first_of(L"\\/:*?\"<>|"), std::wstring::npos);
}

// An entry id is the store's number and a name in the store's folder: one that climbs out of
// the inbox opens nothing, even where a message file lies there.
TEST(MessageFoldersWineTest, AnEntryIdThatLeavesTheInboxOpensNothing) {
  device::PutMessageStores({L"A"});
  ASSERT_TRUE(device::InstallMessagingLibrary());
  const std::wstring store = kMessageFoldersRoot + StoreFolder(L"A");
  SHCreateDirectoryExW(nullptr, InboxFolder(L"A").c_str(), nullptr);
  device::Write(store + L"\\outside.txt", "Subject: draussen\n\n");
  device::Write(InboxFolder(L"A") + L"inside.txt", "Subject: drinnen\n\n");
  Win32Messaging messaging;
  MessagingSession* session = nullptr;
  ASSERT_TRUE(messaging.LogonEx(kNoHandle, nullptr, nullptr, 0, &session));
  MessagingStore* opened = nullptr;
  ASSERT_TRUE(session->OpenMsgStore(kNoHandle, {1, 0, 0, 0}, 0, &opened));
  const auto id = [](const std::wstring& name) {
    EntryId bytes{1, 0, 0, 0};
    for (wchar_t c : name)
      bytes.insert(bytes.end(), {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8)});
    return bytes;
  };
  MessagingMessage* message = nullptr;
  ASSERT_TRUE(opened->OpenEntry(id(L"Inbox\\inside.txt"), 0, &message))
      << "the id's shape is right";
  message->Release();
  for (const wchar_t* name : {L"Inbox\\..\\outside.txt", L"Inbox\\../outside.txt", L"outside.txt",
                              L"Inbox\\C:\\Messages\\A\\outside.txt", L"Inbox\\inside.txt.read"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(name)));
    message = nullptr;
    EXPECT_FALSE(opened->OpenEntry(id(name), 0, &message));
  }
  opened->Release();
  session->Release();
  device::PutMessageStores({});
  device::RemoveTree(kMessageFoldersRoot);
}

// Message files are outside data: whatever their bytes, each reads as a whole message, with
// U+FFFD for what is not UTF-8.
TEST(MessageFoldersWineTest, AMessageFileOfAnyBytesReadsAsAWholeMessage) {
  const struct {
    const char* name;
    std::string bytes;
    std::optional<std::wstring> senderName;
    std::optional<std::wstring> subject;
    std::wstring body;
  } cases[] = {
      {"1.txt", std::string("Sender-Name: B\xFCro\0x\r\nSubject: \xC3\x28\r\n\r\n\xFF body", 42),
       L"B\uFFFDro\uFFFDx", L"\uFFFD(", L"\uFFFD body"},
      {"2.txt", "", std::nullopt, std::nullopt, L""},
      {"3.txt", "kein Kopf, keine Leerzeile", std::nullopt, std::nullopt, L""},
      {"4.txt", "\n" + std::string(1024 * 1024, 'a'), std::nullopt, std::nullopt,
       std::wstring(1024 * 1024, L'a')},
  };
  device::PutMessageStores({L"A"});
  ASSERT_TRUE(device::InstallMessagingLibrary());
  SHCreateDirectoryExW(nullptr, InboxFolder(L"A").c_str(), nullptr);
  for (const auto& c : cases) {
    device::Write(InboxFolder(L"A") + std::wstring(c.name, c.name + std::strlen(c.name)), c.bytes);
  }
  Win32Messaging messaging;
  MessagingSession* session = nullptr;
  ASSERT_TRUE(messaging.LogonEx(kNoHandle, nullptr, nullptr, 0, &session));
  MessagingStore* store = nullptr;
  ASSERT_TRUE(session->OpenMsgStore(kNoHandle, {1, 0, 0, 0}, 0, &store));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EntryId id{1, 0, 0, 0};
    for (char ch : std::string("Inbox\\") + c.name)
      id.insert(id.end(), {static_cast<std::uint8_t>(ch), 0});
    MessagingMessage* message = nullptr;
    ASSERT_TRUE(store->OpenEntry(id, 0, &message));
    std::vector<PropValue> values;
    ASSERT_TRUE(message->GetProps({kPrSenderName, kPrSubject}, kMapiUnicode, &values));
    const auto text = [](const PropValue& value) -> std::optional<std::wstring> {
      if (PropType(value.tag) == kPtError) return std::nullopt;
      return std::wstring(value.text.begin(), value.text.end());
    };
    EXPECT_EQ(text(values.at(0)), c.senderName);
    EXPECT_EQ(text(values.at(1)), c.subject);
    PropertyStream* stream = nullptr;
    ASSERT_TRUE(message->OpenProperty(kPrBody, 0, &stream));
    std::wstring body(c.body.size() + 1, L'\0');
    std::uint32_t read = 0;
    std::size_t total = 0;
    while (stream->Read(reinterpret_cast<char*>(body.data()) + total,
                        static_cast<std::uint32_t>(body.size() * 2 - total), &read) &&
           read > 0) {
      total += read;
    }
    body.resize(total / 2);
    EXPECT_EQ(body, c.body);
    stream->Release();
    message->Release();
  }
  store->Release();
  session->Release();
  device::PutMessageStores({});
  device::RemoveTree(kMessageFoldersRoot);
}

}  // namespace
}  // namespace lectavo
