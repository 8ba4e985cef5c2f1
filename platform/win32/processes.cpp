#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>

#include "platform/win32/win32_roles.h"
#include "platform/win32/wide.h"

namespace lectavo {
namespace {

HANDLE AsHandle(Handle handle) { return reinterpret_cast<HANDLE>(handle); }

bool CopyEntry(const PROCESSENTRY32W& from, ProcessEntry* to) {
  to->processId = from.th32ProcessID;
  std::copy(std::begin(from.szExeFile), std::end(from.szExeFile), to->exeFile);
  return true;
}

class Win32Processes final : public Processes {
 public:
  bool Start(WStringView path, ProcessInfo* info) override {
    // The desktop requires start-up information where the device takes none.
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(ToApi(path).c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
      return false;
    }
    if (info == nullptr) {
      // The device accepts no process record; the desktop always hands out the handles.
      CloseHandle(started.hThread);
      CloseHandle(started.hProcess);
      return true;
    }
    info->process = reinterpret_cast<Handle>(started.hProcess);
    info->thread = reinterpret_cast<Handle>(started.hThread);
    info->processId = started.dwProcessId;
    info->threadId = started.dwThreadId;
    return true;
  }

  Handle Open(std::uint32_t access, std::uint32_t processId) override {
    return reinterpret_cast<Handle>(OpenProcess(access, FALSE, processId));
  }

  bool Terminate(Handle process, std::uint32_t exitCode) override {
    return TerminateProcess(AsHandle(process), exitCode) != FALSE;
  }

  std::uint32_t Wait(Handle process, std::uint32_t timeoutMilliseconds) override {
    return WaitForSingleObject(AsHandle(process), timeoutMilliseconds);
  }

  bool Close(Handle handle) override { return CloseHandle(AsHandle(handle)) != FALSE; }

  Handle CreateSnapshot(std::uint32_t flags, std::uint32_t processId) override {
    const HANDLE snapshot = CreateToolhelp32Snapshot(flags, processId);
    return snapshot == INVALID_HANDLE_VALUE ? kInvalidHandle : reinterpret_cast<Handle>(snapshot);
  }

  bool FirstProcess(Handle snapshot, ProcessEntry* entry) override {
    PROCESSENTRY32W found{};
    found.dwSize = sizeof found;  // the device's record is 564 bytes; the desktop's differs
    return Process32FirstW(AsHandle(snapshot), &found) && CopyEntry(found, entry);
  }

  bool NextProcess(Handle snapshot, ProcessEntry* entry) override {
    PROCESSENTRY32W found{};
    found.dwSize = sizeof found;  // the device's record is 564 bytes; the desktop's differs
    return Process32NextW(AsHandle(snapshot), &found) && CopyEntry(found, entry);
  }

  bool CloseSnapshot(Handle snapshot) override {
    // CloseToolhelp32Snapshot exists only on the device; a snapshot is a plain handle here.
    return CloseHandle(AsHandle(snapshot)) != FALSE;
  }
};

// Holds nothing, like the registry's: built before the program starts.
Win32Processes processes;

}  // namespace

Processes& SystemProcesses() { return processes; }

}  // namespace lectavo
