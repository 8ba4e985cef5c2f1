#include "setup/process_shutdown.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/fake_processes.h"

namespace lectavo {
namespace {

using fake::FakeProcesses;

int Count(const std::vector<std::string>& log, const std::string& call) {
  return static_cast<int>(std::count(log.begin(), log.end(), call));
}

constexpr std::string_view kOpenToStopAndWait = " 1048577";  // PROCESS_TERMINATE | SYNCHRONIZE

TEST(ProcessShutdownTest, EveryInstanceIsTerminatedWhateverItsLetterCaseAndHandlesAreClosed) {
  FakeProcesses processes;
  const auto first = processes.AddRunning(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Service.exe");
  const auto second = processes.AddRunning(u"\\Storage Card\\LECTAVO_SERVICE.EXE");
  processes.AddRunning(u"\\Windows\\Lectavo_Service.exe.old");
  processes.AddRunning(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Monitor.exe");

  EXPECT_EQ(KillProcessByName(processes, u"lectavo_service.exe"), 1);

  EXPECT_EQ(processes.CountRunning(u"lectavo_service.exe"), 0);
  EXPECT_EQ(processes.CountRunning(u"Lectavo_Service.exe.old"), 1);
  EXPECT_EQ(processes.CountRunning(u"Lectavo_Monitor.exe"), 1);
  for (const auto& process : processes.processes) {
    if (!process.running) {
      EXPECT_EQ(process.exitCode, 0u);
    }
  }
  EXPECT_EQ(Count(processes.log, "CreateSnapshot 2 0"), 1);
  EXPECT_EQ(Count(processes.log, "Open " + std::to_string(first) + std::string(kOpenToStopAndWait)), 1);
  EXPECT_EQ(Count(processes.log, "Open " + std::to_string(second) + std::string(kOpenToStopAndWait)), 1);
  EXPECT_EQ(Count(processes.log, "Wait 5000"), 2) << "each is given a while to end";
  EXPECT_EQ(processes.OpenHandles(), 0) << "every process handle is closed again";
  EXPECT_EQ(processes.log.back(), "CloseSnapshot");
}

TEST(ProcessShutdownTest, WithoutAProcessListNothingIsStoppedAndTheResultIsZero) {
  FakeProcesses processes;
  processes.AddRunning(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Service.exe");
  processes.faults.FailAlways("CreateSnapshot");
  EXPECT_EQ(KillProcessByName(processes, u"lectavo_service.exe"), 0);
  EXPECT_EQ(processes.CountRunning(u"Lectavo_Service.exe"), 1);
  EXPECT_EQ(Count(processes.log, "CloseSnapshot"), 0);
}

TEST(ProcessShutdownTest, AProcessThatCannotBeOpenedIsLeftAndTheOthersStopped) {
  FakeProcesses processes;
  processes.AddRunning(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Config.exe");
  processes.AddRunning(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Config.exe");
  processes.faults.FailCall("Open", 1);
  EXPECT_EQ(KillProcessByName(processes, u"lectavo_config.exe"), 1);
  EXPECT_EQ(processes.CountRunning(u"Lectavo_Config.exe"), 1);
  EXPECT_EQ(processes.OpenHandles(), 0);
}

// The launcher would start the service again: it is stopped before it. A voice command playing
// its prompt holds its program file: it is stopped too.
TEST(ProcessShutdownTest, TheProductsProgramsAreStoppedInTheirOrderAndNothingElse) {
  FakeProcesses processes;
  const auto service = processes.AddRunning(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Service.exe");
  const auto monitor = processes.AddRunning(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Monitor.exe");
  const auto config = processes.AddRunning(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Config.exe");
  const auto launcher = processes.AddRunning(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Start.exe");
  const auto toggle = processes.AddRunning(u"\\ORBA-GMBH\\Lectavo\\Lectavo_VC_NachfrageEin.exe");
  processes.AddRunning(u"\\Windows\\shell32.exe");

  StopProductPrograms(processes);

  std::vector<std::string> opened;
  for (const std::string& call : processes.log) {
    if (call.rfind("Open ", 0) == 0) opened.push_back(call);
  }
  const std::string access(kOpenToStopAndWait);
  EXPECT_EQ(opened, (std::vector<std::string>{"Open " + std::to_string(config) + access,
                                              "Open " + std::to_string(monitor) + access,
                                              "Open " + std::to_string(launcher) + access,
                                              "Open " + std::to_string(service) + access,
                                              "Open " + std::to_string(toggle) + access}));
  EXPECT_EQ(Count(processes.log, "CreateSnapshot 2 0"), 10);
  EXPECT_EQ(processes.CountRunning(u"Lectavo_Start.exe"), 0);
  EXPECT_EQ(processes.CountRunning(u"shell32.exe"), 1);
}

// Only a process that was told to end is waited for; a failed termination leaves it running.
TEST(ProcessShutdownTest, FailedTerminationIsNotWaitedFor) {
  FakeProcesses processes;
  processes.AddRunning(u"\\ORBA-GMBH\\Lectavo\\Lectavo_Start.exe");
  processes.faults.FailAlways("Terminate");
  EXPECT_EQ(KillProcessByName(processes, u"lectavo_start.exe"), 1);
  EXPECT_EQ(Count(processes.log, "Wait 5000"), 0);
  EXPECT_EQ(processes.CountRunning(u"Lectavo_Start.exe"), 1);
  EXPECT_EQ(processes.OpenHandles(), 0);
}

}  // namespace
}  // namespace lectavo
