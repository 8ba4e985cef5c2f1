#include <windows.h>

#include "platform/win32/win32_roles.h"
#include "platform/win32/wide.h"

namespace lectavo {
namespace {

HANDLE AsHandle(Handle handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

Handle Win32NamedMutexes::Create(WStringView name) {
  const ApiName apiName(name);
  if (!apiName.Fits()) return kNoHandle;
  return reinterpret_cast<Handle>(CreateMutexW(nullptr, FALSE, apiName.c_str()));
}

std::uint32_t Win32NamedMutexes::Wait(Handle mutex, std::uint32_t timeoutMilliseconds) {
  return WaitForSingleObject(AsHandle(mutex), timeoutMilliseconds);
}

bool Win32NamedMutexes::Release(Handle mutex) { return ReleaseMutex(AsHandle(mutex)) != FALSE; }

bool Win32NamedMutexes::Close(Handle mutex) { return CloseHandle(AsHandle(mutex)) != FALSE; }

}  // namespace lectavo
