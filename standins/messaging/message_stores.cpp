#include "standins/messaging/message_stores.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

namespace lectavo {
namespace {

constexpr std::size_t kLongestFolderName = 100;

bool IsDeviceName(const std::wstring& name) {
  std::wstring base = name.substr(0, name.find(L'.'));
  for (wchar_t& c : base) c = static_cast<wchar_t>(std::towupper(c));
  static const wchar_t* const kDevices[] = {L"CON", L"PRN", L"AUX", L"NUL"};
  for (const wchar_t* device : kDevices) {
    if (base == device) return true;
  }
  return base.size() == 4 && (base.starts_with(L"COM") || base.starts_with(L"LPT")) &&
         base[3] >= L'1' && base[3] <= L'9';
}

std::wstring Escaped(wchar_t c) {
  wchar_t text[8];
  std::swprintf(text, 8, L"%%%04X", static_cast<unsigned>(c));
  return text;
}

bool EndsWith(const std::wstring& text, const std::wstring& ending) {
  return text.size() >= ending.size() &&
         _wcsicmp(text.c_str() + text.size() - ending.size(), ending.c_str()) == 0;
}

}  // namespace

std::vector<StoreRecord> ReadStores() {
  std::vector<StoreRecord> stores;
  for (ULONG number = 1;; ++number) {
    const std::wstring name = std::to_wstring(number);
    DWORD size = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kMessageStoresKey, name.c_str(), RRF_RT_REG_SZ, nullptr,
                     nullptr, &size) != ERROR_SUCCESS) {
      break;
    }
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kMessageStoresKey, name.c_str(), RRF_RT_REG_SZ, nullptr,
                     text.data(), &size) != ERROR_SUCCESS) {
      break;
    }
    text.resize(std::wcslen(text.c_str()));
    stores.push_back({text, number});
  }
  return stores;
}

std::wstring StoreFolder(const std::wstring& displayName) {
  if (displayName.empty()) return L"%";
  std::wstring folder;
  for (std::size_t i = 0; i < displayName.size(); ++i) {
    const wchar_t c = displayName[i];
    const bool last = i + 1 == displayName.size();
    const bool unsafe = c < 0x20 || std::wcschr(L"<>:\"/\\|?*%", c) != nullptr ||
                        (last && (c == L'.' || c == L' ')) || (i == 0 && IsDeviceName(displayName));
    folder += unsafe ? Escaped(c) : std::wstring(1, c);
  }
  if (folder.size() <= kLongestFolderName) return folder;
  std::uint32_t hash = 2166136261u;  // FNV-1a over the UTF-16 units
  for (wchar_t c : displayName) hash = (hash ^ static_cast<std::uint16_t>(c)) * 16777619u;
  folder.resize(kLongestFolderName - 9);
  // Never end inside an escape or on a character a folder name cannot end in.
  const std::size_t percent = folder.rfind(L'%');
  if (percent != std::wstring::npos && folder.size() - percent < 5) folder.resize(percent);
  wchar_t tail[16];
  std::swprintf(tail, 16, L"%%%08X", hash);
  return folder + tail;
}

std::wstring InboxFolder(const std::wstring& displayName) {
  return kMessageFoldersRoot + StoreFolder(displayName) + L"\\" + kInboxFolder + L"\\";
}

std::wstring OutboxFolder(const std::wstring& displayName) {
  return kMessageFoldersRoot + StoreFolder(displayName) + L"\\" + kOutboxFolder + L"\\";
}

std::vector<std::wstring> ListMessageFiles(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
        EndsWith(name, kMessageFileEnding)) {
      names.push_back(name);
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

bool ReadWholeFile(const std::wstring& path, std::size_t limit, std::string* bytes) {
  // Shared for deleting too, so a delivery or a removal never waits on a reader.
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bytes->clear();
  char chunk[65536];
  DWORD got = 0;
  bool ok = true;
  while (bytes->size() < limit) {
    const DWORD want = static_cast<DWORD>(std::min(sizeof chunk, limit - bytes->size()));
    ok = ReadFile(file, chunk, want, &got, nullptr) != FALSE;
    if (!ok || got == 0) break;
    bytes->append(chunk, got);
  }
  CloseHandle(file);
  return ok;
}

bool WriteNewFile(const std::wstring& path, const std::string& bytes) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size() && FlushFileBuffers(file);
  CloseHandle(file);
  return ok;
}

std::wstring NewMessageName(const std::wstring& folder) {
  FILETIME now;
  GetSystemTimePreciseAsFileTime(&now);
  unsigned long long stamp =
      (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  for (;; ++stamp) {
    wchar_t name[32];
    std::swprintf(name, 32, L"%020llu", stamp);
    if (GetFileAttributesW((folder + name + kMessageFileEnding).c_str()) == INVALID_FILE_ATTRIBUTES)
      return name;
  }
}

}  // namespace lectavo
