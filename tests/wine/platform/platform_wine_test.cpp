// The Win32 files, code page, processes, named mutexes, named events and single-instance
// adapters on Wine's real calls, with the typed tests their fakes pass natively.
#include <windows.h>

#include <map>
#include <optional>

#include "platform/win32/win32_roles.h"
#include "tests/platform/code_page_behaviour.h"
#include "tests/platform/files_behaviour.h"
#include "tests/platform/named_objects_behaviour.h"
#include "tests/platform/processes_behaviour.h"
#include "tests/platform/role_backend.h"
#include "tests/platform/single_instance_behaviour.h"
#include "tests/wine/support/device.h"
#include "tests/wine/support/paths.h"

namespace lectavo::conformance {

// The probe folder lies on the prefix's drive C:; whatever a test left there goes, before
// and after.
struct Win32FilesRole {
  Win32FilesRole() { device::RemoveTree(Probe()); }
  ~Win32FilesRole() { device::RemoveTree(Probe()); }
  Files& Role() { return SystemFiles(); }
  static std::wstring Probe() { return {kProbeFolder.begin(), kProbeFolder.end()}; }
};

using Win32CodePageRole = RoleBackend<CodePage, Win32CodePage>;
INSTANTIATE_TYPED_TEST_SUITE_P(Win32Files, FilesBehaviourTest, Win32FilesRole);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32CodePage, CodePageBehaviourTest, Win32CodePageRole);

// The device's monitor from the build's package: it idles until it is ended.
struct Win32ProcessesRole {
  Processes& Role() { return SystemProcesses(); }
  static WString Program() {
    const std::wstring path = wine::PackagePath(L"Lectavo_Monitor.exe");
    return {path.begin(), path.end()};
  }
  static std::optional<std::uint32_t> ExitCode(const ProcessInfo& info) {
    DWORD code = 0;
    const auto process = reinterpret_cast<HANDLE>(info.process);
    if (!GetExitCodeProcess(process, &code) || WaitForSingleObject(process, 0) != WAIT_OBJECT_0) {
      return std::nullopt;
    }
    return code;
  }
};
INSTANTIATE_TYPED_TEST_SUITE_P(Win32Processes, ProcessesBehaviourTest, Win32ProcessesRole);

using Win32NamedMutexesRole = RoleBackend<NamedMutexes, Win32NamedMutexes>;
INSTANTIATE_TYPED_TEST_SUITE_P(Win32NamedMutexes, NamedMutexesBehaviourTest, Win32NamedMutexesRole);

// The events' owner is this process: manual-reset events, closed when the test ends.
struct Win32NamedEventsRole {
  ~Win32NamedEventsRole() {
    for (const auto& [name, event] : owned) CloseHandle(event);
  }
  NamedEvents& Role() { return events; }
  void Make(WStringView name, bool signalled) {
    owned[WString(name)] = CreateEventW(nullptr, TRUE, signalled, Api(name).c_str());
  }
  void Signal(WStringView name) { SetEvent(owned.at(WString(name))); }
  void Reset(WStringView name) { ResetEvent(owned.at(WString(name))); }
  void Remove(WStringView name) {
    CloseHandle(owned.at(WString(name)));
    owned.erase(WString(name));
  }
  static std::wstring Api(WStringView name) { return {name.begin(), name.end()}; }

  Win32NamedEvents events;
  std::map<WString, HANDLE> owned;
};
INSTANTIATE_TYPED_TEST_SUITE_P(Win32NamedEvents, NamedEventsBehaviourTest, Win32NamedEventsRole);

// Another program's hold on a name: a mutex of that name made in this process, which the
// adapter cannot tell from one made elsewhere.
struct Win32SingleInstanceRole {
  ~Win32SingleInstanceRole() {
    for (const auto& [name, mutex] : held) CloseHandle(mutex);
  }
  SingleInstance& Role() { return instance; }
  void HoldElsewhere(WStringView name) {
    held[WString(name)] = CreateMutexW(nullptr, FALSE, Win32NamedEventsRole::Api(name).c_str());
  }
  void ReleaseElsewhere(WStringView name) {
    CloseHandle(held.at(WString(name)));
    held.erase(WString(name));
  }

  Win32SingleInstance instance;
  std::map<WString, HANDLE> held;
};
INSTANTIATE_TYPED_TEST_SUITE_P(Win32SingleInstance, SingleInstanceBehaviourTest,
                               Win32SingleInstanceRole);

}  // namespace lectavo::conformance
