// The Win32 messaging adapter's sending side on the device's messaging library, with the
// typed test the fake passes natively: what the outbox holds is read from its message files.
#include <windows.h>

#include "platform/win32/win32_roles.h"
#include "standins/messaging/message_file.h"
#include "standins/messaging/message_stores.h"
#include "tests/messaging/messaging_send_behaviour.h"
#include "tests/wine/support/device.h"
#include "tests/wine/support/messaging_library.h"

namespace lectavo::conformance {
namespace {

std::vector<std::uint8_t> Bytes(const std::wstring& path) {
  std::string read;
  EXPECT_TRUE(ReadWholeFile(path, 1 << 30, &read)) << "no attachment file";
  return {read.begin(), read.end()};
}

}  // namespace

// Each test starts and ends with no stores and no message folders.
struct DeviceSendingRole {
  DeviceSendingRole() {
    Clear();
    EXPECT_TRUE(device::InstallMessagingLibrary());
  }
  ~DeviceSendingRole() { Clear(); }

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
};

INSTANTIATE_TYPED_TEST_SUITE_P(DeviceLibrary, MessagingSendBehaviourTest, DeviceSendingRole);

}  // namespace lectavo::conformance
