#include "tests/wine/support/messaging_library.h"

#include <windows.h>

#include "standins/messaging/message_stores.h"
#include "tests/wine/support/device.h"
#include "tests/wine/support/paths.h"

namespace lectavo::device {
namespace {

// Under the name the device's library is built with: the programs must look for that one.
std::wstring InSystemFolder() {
  const std::wstring built = wine::HostPath(LECTAVO_MESSAGING_LIBRARY);
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder, length) + built.substr(built.rfind(L'\\'));
}

}  // namespace

bool InstallMessagingLibrary() {
  return InstallAsMessagingLibrary(wine::HostPath(LECTAVO_MESSAGING_LIBRARY));
}

bool InstallAsMessagingLibrary(const std::wstring& library) {
  return CopyFileW(library.c_str(), InSystemFolder().c_str(), FALSE) != FALSE;
}

bool RemoveMessagingLibrary() {
  DeleteFileW(InSystemFolder().c_str());
  return !Exists(InSystemFolder());
}

bool PlantMessagingLibrary(const std::wstring& folder) {
  const std::wstring built = wine::HostPath(LECTAVO_MESSAGING_LIBRARY);
  CreateDirectoryW(folder.c_str(), nullptr);
  return CopyFileW(built.c_str(), (folder + built.substr(built.rfind(L'\\'))).c_str(), FALSE) !=
         FALSE;
}

void PutMessageStores(const std::vector<std::wstring>& names) {
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, kMessageStoresKey);
  for (std::size_t i = 0; i < names.size(); ++i) {
    WriteText(kMessageStoresKey, std::to_wstring(i + 1), names[i]);
  }
}

}  // namespace lectavo::device
