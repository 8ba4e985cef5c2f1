// DeliverMail: a message arrives in a store's inbox on the device, as the device's mail
// transport would deliver it. The parts come from the environment, so quotes and $ arrive as
// typed: LECTAVO_MAIL_STORE (the store's display name), LECTAVO_MAIL_FROM ("Name <address>",
// a bare address or a bare name), LECTAVO_MAIL_SUBJECT, LECTAVO_MAIL_BODY. The file is written
// beside the inbox's messages under another ending and then renamed, so a reader never sees
// half a message. Exit code 0 when delivered, 1 when not (saying why), 2 on a wrong call.
#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "standins/messaging/message_file.h"
#include "standins/messaging/message_stores.h"

namespace lectavo {
namespace {

std::wstring Environment(const wchar_t* name, bool* present = nullptr) {
  const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (present != nullptr) *present = size != 0;
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  value.resize(GetEnvironmentVariableW(name, value.data(), size));
  return value;
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::string bytes(
      WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, bytes.data(), static_cast<int>(bytes.size()),
                      nullptr, nullptr);
  return bytes;
}

void Say(FILE* to, const std::wstring& text) {
  const std::string bytes = Utf8(text + L"\n");
  std::fwrite(bytes.data(), 1, bytes.size(), to);
  std::fflush(to);
}

std::wstring Trimmed(const std::wstring& text) {
  const std::size_t first = text.find_first_not_of(L" \t");
  if (first == std::wstring::npos) return {};
  return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

std::u16string Text(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

// "Anna Beispiel <anna@example.org>", "<anna@example.org>", "anna@example.org" or "Anna".
void SplitSender(const std::wstring& from, std::wstring* name, std::wstring* address) {
  const std::size_t open = from.rfind(L'<');
  const std::size_t close = from.rfind(L'>');
  if (open != std::wstring::npos && close != std::wstring::npos && open < close) {
    *name = Trimmed(from.substr(0, open));
    *address = Trimmed(from.substr(open + 1, close - open - 1));
  } else if (from.find(L'@') != std::wstring::npos && from.find(L' ') == std::wstring::npos) {
    *address = Trimmed(from);
  } else {
    *name = Trimmed(from);
  }
}

int Deliver() {
  bool given = false;
  const std::wstring storeName = Environment(L"LECTAVO_MAIL_STORE", &given);
  if (!given) {
    Say(stderr, L"DeliverMail: no store given (LECTAVO_MAIL_STORE)");
    return 2;
  }
  const std::vector<StoreRecord> stores = ReadStores();
  std::wstring listed;
  for (const StoreRecord& store : stores)
    listed += (listed.empty() ? L"\"" : L", \"") + store.displayName + L"\"";
  const auto found = std::find_if(stores.begin(), stores.end(), [&](const StoreRecord& store) {
    return store.displayName == storeName;
  });
  if (found == stores.end()) {
    Say(stderr, L"DeliverMail: the device has no message store \"" + storeName +
                    L"\"; its stores: " + (listed.empty() ? L"none" : listed));
    return 1;
  }
  std::wstring name;
  std::wstring address;
  SplitSender(Environment(L"LECTAVO_MAIL_FROM"), &name, &address);
  messaging::MessageFile file;
  if (!name.empty()) file.headers.push_back({messaging::kSenderName, Text(name)});
  if (!address.empty()) file.headers.push_back({messaging::kSenderAddress, Text(address)});
  file.headers.push_back({messaging::kSubject, Text(Environment(L"LECTAVO_MAIL_SUBJECT"))});
  file.body = Text(Environment(L"LECTAVO_MAIL_BODY"));
  const std::string bytes = messaging::FormatMessageFile(file);

  const std::wstring folder = InboxFolder(found->displayName);
  const int made = SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
  if (made != ERROR_SUCCESS && made != ERROR_ALREADY_EXISTS) {
    Say(stderr, L"DeliverMail: cannot make the inbox folder " + folder);
    return 1;
  }
  const std::wstring message = folder + NewMessageName(folder);
  const std::wstring partial = message + kPartialEnding;
  if (!WriteNewFile(partial, bytes) ||
      !MoveFileExW(partial.c_str(), (message + kMessageFileEnding).c_str(),
                   MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(partial.c_str());
    Say(stderr, L"DeliverMail: cannot write " + message + kMessageFileEnding);
    return 1;
  }
  Say(stdout, L"delivered to the inbox of \"" + found->displayName + L"\": " + message +
                  kMessageFileEnding);
  return 0;
}

}  // namespace
}  // namespace lectavo

int wmain() { return lectavo::Deliver(); }
