// The fakes of the files, code page, processes, named mutexes, named events and single-instance
// roles pass the same typed tests the Win32 adapters pass under Wine (tests/wine/platform),
// which is what makes them trusted.
#include <optional>

#include "tests/platform/code_page_behaviour.h"
#include "tests/platform/files_behaviour.h"
#include "tests/platform/named_objects_behaviour.h"
#include "tests/platform/processes_behaviour.h"
#include "tests/platform/role_backend.h"
#include "tests/platform/single_instance_behaviour.h"
#include "tests/support/fake_code_page.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_named_events.h"
#include "tests/support/fake_named_mutexes.h"
#include "tests/support/fake_processes.h"
#include "tests/support/fake_single_instance.h"

namespace lectavo::conformance {

using FakeFilesRole = RoleBackend<Files, fake::FakeFiles>;
using FakeCodePageRole = RoleBackend<CodePage, fake::FakeCodePage>;
INSTANTIATE_TYPED_TEST_SUITE_P(FakeFiles, FilesBehaviourTest, FakeFilesRole);
INSTANTIATE_TYPED_TEST_SUITE_P(FakeCodePage, CodePageBehaviourTest, FakeCodePageRole);

// The program is one the fake lets start, by a path as the device names it.
struct FakeProcessesRole {
  FakeProcessesRole() { fake.AllowStart(Program()); }
  Processes& Role() { return fake; }
  static WString Program() { return u"\\ORBA-GMBH\\Lectavo\\Lectavo_Monitor.exe"; }
  std::optional<std::uint32_t> ExitCode(const ProcessInfo& info) const {
    for (auto process = fake.processes.rbegin(); process != fake.processes.rend(); ++process) {
      if (process->id == info.processId && !process->running) return process->exitCode;
    }
    return std::nullopt;
  }
  fake::FakeProcesses fake;
};
INSTANTIATE_TYPED_TEST_SUITE_P(FakeProcesses, ProcessesBehaviourTest, FakeProcessesRole);

using FakeNamedMutexesRole = RoleBackend<NamedMutexes, fake::FakeNamedMutexes>;
INSTANTIATE_TYPED_TEST_SUITE_P(FakeNamedMutexes, NamedMutexesBehaviourTest, FakeNamedMutexesRole);

struct FakeNamedEventsRole {
  NamedEvents& Role() { return fake; }
  void Make(WStringView name, bool signalled) { fake.signalled[WString(name)] = signalled; }
  void Signal(WStringView name) { fake.signalled.at(WString(name)) = true; }
  void Reset(WStringView name) { fake.signalled.at(WString(name)) = false; }
  void Remove(WStringView name) { fake.signalled.erase(WString(name)); }
  fake::FakeNamedEvents fake;
};
INSTANTIATE_TYPED_TEST_SUITE_P(FakeNamedEvents, NamedEventsBehaviourTest, FakeNamedEventsRole);

struct FakeSingleInstanceRole {
  SingleInstance& Role() { return fake; }
  void HoldElsewhere(WStringView name) { fake.heldElsewhere.emplace(name); }
  void ReleaseElsewhere(WStringView name) { fake.heldElsewhere.erase(WString(name)); }
  fake::FakeSingleInstance fake;
};
INSTANTIATE_TYPED_TEST_SUITE_P(FakeSingleInstance, SingleInstanceBehaviourTest,
                               FakeSingleInstanceRole);

}  // namespace lectavo::conformance
