// The Win32 messaging adapter on the device's messaging library, with the typed tests the fake
// passes natively: stores listed in the registry, messages written as the device keeps them,
// and what an outbox holds read from its message files.
#include <windows.h>

#include <shlobj.h>

#include "platform/win32/win32_roles.h"
#include "standins/messaging/message_file.h"
#include "standins/messaging/message_stores.h"
#include "tests/messaging/messaging_read_behaviour.h"
#include "tests/messaging/messaging_send_behaviour.h"
#include "tests/wine/support/device.h"
#include "tests/wine/support/messaging_library.h"

namespace lectavo::conformance {
namespace {

std::string Utf8(const WString& text) {
  if (text.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int size = static_cast<int>(text.size());
  std::string bytes(WideCharToMultiByte(CP_UTF8, 0, wide, size, nullptr, 0, nullptr, nullptr),
                    '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, size, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                      nullptr);
  return bytes;
}

std::vector<std::uint8_t> Bytes(const std::wstring& path) {
  std::string read;
  EXPECT_TRUE(ReadWholeFile(path, 1 << 30, &read)) << "no attachment file";
  return {read.begin(), read.end()};
}

}  // namespace

// Each test starts and ends with no stores and no message folders.
struct DeviceMessagingRole {
  DeviceMessagingRole() {
    Clear();
    EXPECT_TRUE(device::InstallMessagingLibrary());
  }
  ~DeviceMessagingRole() { Clear(); }

  static void Clear() {
    device::PutMessageStores({});
    device::RemoveTree(kMessageFoldersRoot);
  }

  Messaging& Role() { return messaging; }
  void PutStores(const std::vector<WString>& names) {
    stores.clear();
    for (const WString& name : names) stores.emplace_back(name.begin(), name.end());
    device::PutMessageStores(stores);
  }
  void Deliver(std::size_t store, const MailMessage& message) {
    std::string bytes;
    const auto header = [&](const char* name, const std::optional<WString>& value) {
      if (!value) return;
      bytes += name;
      bytes += ": ";
      bytes += Utf8(*value);
      bytes += '\n';
    };
    header(messaging::kSenderName, message.senderName);
    header(messaging::kSenderAddress, message.senderAddress);
    header(messaging::kSubject, message.subject);
    bytes += "\n";
    bytes += Utf8(message.body);
    const std::wstring folder = InboxFolder(stores.at(store));
    SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    wchar_t name[32];
    swprintf(name, 32, L"%010d.txt", ++delivered);
    device::Write(folder + name, bytes);
  }
  void RemoveMessage(std::size_t store, std::size_t position) {
    const std::wstring folder = InboxFolder(stores.at(store));
    EXPECT_TRUE(DeleteFileW((folder + ListMessageFiles(folder).at(position)).c_str()));
  }
  void RemoveStoreFolder(std::size_t store) {
    device::RemoveTree(kMessageFoldersRoot + StoreFolder(stores.at(store)));
  }
  // Each message file of the outbox; an attachment named "<message>.<n>.<its name>".
  std::vector<KeptMessage> Kept(std::size_t store) {
    const std::wstring folder = OutboxFolder(stores.at(store));
    std::vector<KeptMessage> kept;
    for (const std::wstring& file : ListMessageFiles(folder)) {
      std::string bytes;
      EXPECT_TRUE(ReadWholeFile(folder + file, messaging::kMessageFileLimit, &bytes));
      const messaging::MessageFile read = messaging::ParseMessageFile(bytes);
      KeptMessage& message = kept.emplace_back();
      const std::u16string base(file.begin(), file.end() - 4);
      for (const messaging::MessageHeader& header : read.headers) {
        if (header.name == messaging::kTo) message.recipients.emplace_back(kMapiTo, header.value);
        if (header.name == messaging::kCc) message.recipients.emplace_back(kMapiCc, header.value);
        if (header.name != messaging::kAttachment) continue;
        EXPECT_EQ(header.value.compare(0, base.size() + 1, base + u"."), 0) << "beside its message";
        const std::size_t name = header.value.find(u'.', base.size() + 1);
        message.attachments.emplace_back(
            header.value.substr(name == std::u16string::npos ? 0 : name + 1),
            Bytes(folder + std::wstring(header.value.begin(), header.value.end())));
      }
      message.subject = read.Find(messaging::kSubject);
      message.body = read.body;
      message.sent =
          GetFileAttributesW((folder + file + kSentMarkEnding).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    return kept;
  }

  Win32Messaging messaging;
  std::vector<std::wstring> stores;
  int delivered = 0;
};

INSTANTIATE_TYPED_TEST_SUITE_P(DeviceLibrary, MessagingReadBehaviourTest, DeviceMessagingRole);
INSTANTIATE_TYPED_TEST_SUITE_P(DeviceLibrary, MessagingSendBehaviourTest, DeviceMessagingRole);

}  // namespace lectavo::conformance
