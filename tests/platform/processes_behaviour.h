// The processes role as the programs rely on it, as one typed test that runs against the fake
// natively and against the Win32 adapter under Wine: start, open by id, end, the exit code
// and the process list. Instantiate it in one source of a test program with a backend type B
// that offers
//   Processes& Role();
//   WString Program();  // the full path of a program that runs until it is ended
//   // The exit code of an ended process; none while it runs.
//   std::optional<std::uint32_t> ExitCode(const ProcessInfo&);
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "platform/processes.h"

namespace lectavo::conformance {

inline constexpr std::uint32_t kOpenToEnd = kProcessTerminate | kSynchronize;

// An ended process can still be opened by its id for a moment on the device; the tests wait
// for what they mean within this bound.
inline bool Eventually(const std::function<bool()>& condition) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

template <class B>
class ProcessesBehaviourTest : public ::testing::Test {
 protected:
  Processes& processes() { return backend.Role(); }

  ProcessInfo Started() {
    ProcessInfo info;
    EXPECT_TRUE(processes().Start(backend.Program(), &info));
    started.push_back(info);
    return info;
  }
  // The names the process list gives for this id, once per listing.
  std::vector<WString> Listed(std::uint32_t processId) {
    std::vector<WString> names;
    const Handle snapshot = processes().CreateSnapshot(kSnapProcess, 0);
    EXPECT_NE(snapshot, kInvalidHandle);
    ProcessEntry entry;
    for (bool more = processes().FirstProcess(snapshot, &entry); more;
         more = processes().NextProcess(snapshot, &entry)) {
      if (entry.processId == processId) names.emplace_back(entry.exeFile);
    }
    EXPECT_TRUE(processes().CloseSnapshot(snapshot));
    return names;
  }
  static WString BaseName(WStringView path) {
    return WString(path.substr(path.find_last_of(u'\\') + 1));
  }

  // Whatever a test started and left running is ended, and its handles closed.
  void TearDown() override {
    for (const ProcessInfo& info : started) {
      if (processes().Wait(info.process, 0) == kWaitTimeout) {
        processes().Terminate(info.process, 1);
        processes().Wait(info.process, 10000);
      }
      processes().Close(info.thread);
      processes().Close(info.process);
    }
  }

  B backend;
  std::vector<ProcessInfo> started;
};

TYPED_TEST_SUITE_P(ProcessesBehaviourTest);

TYPED_TEST_P(ProcessesBehaviourTest, StartedProgramRunsUnderItsFileNameUntilEnded) {
  Processes& processes = this->processes();
  const ProcessInfo info = this->Started();
  ASSERT_NE(info.process, kNoHandle);
  EXPECT_NE(info.thread, kNoHandle);
  EXPECT_NE(info.processId, 0u);
  EXPECT_NE(info.processId, info.threadId) << "a process id and its thread's id differ";
  EXPECT_EQ(processes.Wait(info.process, 0), kWaitTimeout);
  EXPECT_EQ(this->backend.ExitCode(info), std::nullopt);
  EXPECT_EQ(this->Listed(info.processId),
            std::vector<WString>{this->BaseName(this->backend.Program())});

  const Handle snapshot = processes.CreateSnapshot(kSnapProcess, 0);
  ASSERT_TRUE(processes.Terminate(info.process, 7));
  EXPECT_EQ(processes.Wait(info.process, 10000), kWaitObject0);
  EXPECT_EQ(this->backend.ExitCode(info), 7u);
  EXPECT_TRUE(this->Listed(info.processId).empty()) << "an ended process is not listed";

  // A list taken before the end still shows the process: it is what ran when it was taken.
  ProcessEntry entry;
  bool listed = false;
  for (bool more = processes.FirstProcess(snapshot, &entry); more;
       more = processes.NextProcess(snapshot, &entry)) {
    listed = listed || entry.processId == info.processId;
  }
  EXPECT_TRUE(listed);
  EXPECT_TRUE(processes.CloseSnapshot(snapshot));
}

TYPED_TEST_P(ProcessesBehaviourTest, ProgramThatIsNotThereDoesNotStart) {
  ProcessInfo info;
  EXPECT_FALSE(this->processes().Start(this->backend.Program() + u".missing.exe", &info));
  EXPECT_EQ(info.process, kNoHandle);
  EXPECT_EQ(info.processId, 0u);
}

// Open by id, end by the opened handle, as the setup stops a program it found in the list:
// the end is seen through every handle; a second end changes nothing.
TYPED_TEST_P(ProcessesBehaviourTest, ProcessOpenedByIdEndsWithTheCodeItIsGiven) {
  Processes& processes = this->processes();
  const ProcessInfo info = this->Started();
  const Handle opened = processes.Open(kOpenToEnd, info.processId);
  ASSERT_NE(opened, kNoHandle);
  EXPECT_NE(opened, info.process) << "each open gives a handle of its own";
  EXPECT_EQ(processes.Wait(opened, 0), kWaitTimeout);
  ASSERT_TRUE(processes.Terminate(opened, 3));
  EXPECT_EQ(processes.Wait(opened, 10000), kWaitObject0);
  EXPECT_EQ(processes.Wait(info.process, 0), kWaitObject0);
  EXPECT_TRUE(processes.Terminate(opened, 9)) << "ending an ended process succeeds";
  EXPECT_EQ(this->backend.ExitCode(info), 3u) << "the first end's code stays";

  // While a handle holds the ended process, its id still opens it, as ended.
  const Handle again = processes.Open(kOpenToEnd, info.processId);
  ASSERT_NE(again, kNoHandle);
  EXPECT_EQ(processes.Wait(again, 0), kWaitObject0);
  EXPECT_TRUE(processes.Close(again));
  EXPECT_TRUE(processes.Close(opened));
}

// Once every handle of an ended process is closed its id opens nothing: on the device within
// a moment, so the test waits for it.
TYPED_TEST_P(ProcessesBehaviourTest, IdOfAnEndedProcessOpensNothingOnceItsHandlesAreClosed) {
  Processes& processes = this->processes();
  ProcessInfo info;
  ASSERT_TRUE(processes.Start(this->backend.Program(), &info));
  ASSERT_TRUE(processes.Terminate(info.process, 0));
  ASSERT_EQ(processes.Wait(info.process, 10000), kWaitObject0);
  EXPECT_TRUE(processes.Close(info.thread));
  EXPECT_TRUE(processes.Close(info.process));
  EXPECT_FALSE(processes.Close(info.process)) << "a handle closes once";
  EXPECT_EQ(processes.Wait(info.process, 0), kWaitFailed) << "a closed handle names nothing";
  EXPECT_TRUE(Eventually([&] {
    const Handle opened = processes.Open(kOpenToEnd, info.processId);
    if (opened != kNoHandle) processes.Close(opened);
    return opened == kNoHandle;
  }));
}

// Started without a process record, the program runs all the same and is found by its name.
TYPED_TEST_P(ProcessesBehaviourTest, ProgramStartedWithoutARecordRunsAndIsListed) {
  Processes& processes = this->processes();
  const WString name = this->BaseName(this->backend.Program());
  const auto running = [&] {
    std::vector<std::uint32_t> ids;
    const Handle snapshot = processes.CreateSnapshot(kSnapProcess, 0);
    ProcessEntry entry;
    for (bool more = processes.FirstProcess(snapshot, &entry); more;
         more = processes.NextProcess(snapshot, &entry)) {
      if (WString(entry.exeFile) == name) ids.push_back(entry.processId);
    }
    processes.CloseSnapshot(snapshot);
    return ids;
  };
  const std::vector<std::uint32_t> before = running();
  ASSERT_TRUE(processes.Start(this->backend.Program(), nullptr));
  std::vector<std::uint32_t> after = running();
  ASSERT_EQ(after.size(), before.size() + 1);
  for (std::uint32_t id : after) {
    if (std::find(before.begin(), before.end(), id) != before.end()) continue;
    const Handle opened = processes.Open(kOpenToEnd, id);
    ASSERT_NE(opened, kNoHandle);
    EXPECT_TRUE(processes.Terminate(opened, 0));
    EXPECT_EQ(processes.Wait(opened, 10000), kWaitObject0);
    EXPECT_TRUE(processes.Close(opened));
  }
}

REGISTER_TYPED_TEST_SUITE_P(ProcessesBehaviourTest, StartedProgramRunsUnderItsFileNameUntilEnded,
                            ProgramThatIsNotThereDoesNotStart,
                            ProcessOpenedByIdEndsWithTheCodeItIsGiven,
                            IdOfAnEndedProcessOpensNothingOnceItsHandlesAreClosed,
                            ProgramStartedWithoutARecordRunsAndIsListed);

}  // namespace lectavo::conformance
