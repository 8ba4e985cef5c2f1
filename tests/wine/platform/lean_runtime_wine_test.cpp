// A lean program's runtime under Wine: what it cannot give ends the program plainly, with
// abort's exit code, before any memory is written.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/wine/support/paths.h"

namespace lectavo::wine {
namespace {

// The probe's exit code for a request, or -1 when it did not end within 20 s.
long long ProbeExitCode(const std::wstring& request) {
  std::wstring commandLine = L"probe " + request;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(HostPath(LECTAVO_LEAN_PROBE).c_str(), commandLine.data(), nullptr, nullptr,
                      FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return -1;
  }
  DWORD code = 0;
  if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0 ||
      !GetExitCodeProcess(process.hProcess, &code)) {
    TerminateProcess(process.hProcess, 1);
    code = static_cast<DWORD>(-1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code == static_cast<DWORD>(-1) ? -1 : code;
}

TEST(LeanRuntimeWineTest, WhatTheRuntimeCannotGiveEndsTheProgramAsAbortDoes) {
  constexpr long long kAbort = 3;
  EXPECT_EQ(ProbeExitCode(L""), 0) << "strings grow and are freed";
  EXPECT_EQ(ProbeExitCode(L"string"), kAbort) << "a string longer than a string can be";
  EXPECT_EQ(ProbeExitCode(L"memory"), kAbort) << "more memory than there is";
  EXPECT_EQ(ProbeExitCode(L"nothrow"), 0) << "the null pointer of the form that asks for it";
}

}  // namespace
}  // namespace lectavo::wine
