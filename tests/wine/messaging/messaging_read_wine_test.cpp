// The Win32 messaging adapter on the device's messaging library, with the typed test the fake
// passes natively: stores listed in the registry, messages written as the device keeps them.
#include <windows.h>

#include <shlobj.h>

#include "platform/win32/win32_roles.h"
#include "standins/messaging/message_file.h"
#include "standins/messaging/message_stores.h"
#include "tests/messaging/messaging_read_behaviour.h"
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

  Win32Messaging messaging;
  std::vector<std::wstring> stores;
  int delivered = 0;
};

INSTANTIATE_TYPED_TEST_SUITE_P(DeviceLibrary, MessagingReadBehaviourTest, DeviceMessagingRole);

}  // namespace lectavo::conformance
