#include <windows.h>

#include "platform/win32/wide.h"
#include "platform/win32/win32_speech.h"

namespace lectavo {

Win32ServiceEvents::~Win32ServiceEvents() {
  for (Handle event : created_) CloseHandle(reinterpret_cast<HANDLE>(event));
}

// Manual-reset: a set event stays set until this process resets it.
Handle Win32ServiceEvents::Create(WStringView name) {
  const HANDLE event = CreateEventW(nullptr, TRUE, FALSE, ToApi(name).c_str());
  if (event == nullptr) return kNoHandle;
  created_.push_back(reinterpret_cast<Handle>(event));
  return created_.back();
}

bool Win32ServiceEvents::IsSet(Handle event) {
  return WaitForSingleObject(reinterpret_cast<HANDLE>(event), 0) == WAIT_OBJECT_0;
}

void Win32ServiceEvents::Reset(Handle event) { ResetEvent(reinterpret_cast<HANDLE>(event)); }

}  // namespace lectavo
