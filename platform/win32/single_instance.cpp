#include <windows.h>

#include "platform/win32/win32_roles.h"
#include "platform/win32/wide.h"

namespace lectavo {

// The mutex goes with the process.
Win32SingleInstance::~Win32SingleInstance() {
  if (mutex_ != nullptr) CloseHandle(mutex_);
}

bool Win32SingleInstance::Claim(WStringView name) {
  mutex_ = CreateMutexW(nullptr, FALSE, ToApi(name).c_str());
  return mutex_ == nullptr || GetLastError() != ERROR_ALREADY_EXISTS;
}

bool Win32SingleInstance::Raise(WStringView caption) {
  HWND dialog = FindWindowW(L"#32770", ToApi(caption).c_str());
  if (dialog == nullptr) return false;
  if (IsIconic(dialog)) ShowWindow(dialog, SW_RESTORE);
  // A message box the dialog waits for comes to the front, not the disabled dialog behind it.
  SetForegroundWindow(GetLastActivePopup(dialog));
  return true;
}

}  // namespace lectavo
