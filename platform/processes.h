// Processes role: CreateProcess, OpenProcess, TerminateProcess, WaitForSingleObject on a
// process, CloseHandle and the toolhelp process snapshot.
#pragma once

#include <cstdint>

#include "platform/types.h"
#include "platform/wait_results.h"

namespace lectavo {

inline constexpr std::uint32_t kProcessTerminate = 0x0001;  // PROCESS_TERMINATE
inline constexpr std::uint32_t kSynchronize = 0x00100000;    // SYNCHRONIZE
inline constexpr std::uint32_t kSnapProcess = 0x0002;       // TH32CS_SNAPPROCESS

// PROCESS_INFORMATION.
struct ProcessInfo {
  Handle process = kNoHandle;
  Handle thread = kNoHandle;
  std::uint32_t processId = 0;
  std::uint32_t threadId = 0;
};

// The part of PROCESSENTRY32 the product reads.
struct ProcessEntry {
  std::uint32_t size = 0;
  std::uint32_t processId = 0;
  WChar exeFile[260] = {};
};

class Processes {
 public:
  virtual ~Processes() = default;

  // Starts a program by its full path with no command line, default attributes, no
  // creation flags. With info null no process or thread handle is kept.
  virtual bool Start(WStringView path, ProcessInfo* info) = 0;
  // kNoHandle on failure.
  virtual Handle Open(std::uint32_t access, std::uint32_t processId) = 0;
  virtual bool Terminate(Handle process, std::uint32_t exitCode) = 0;
  // kWaitObject0 once the process has ended, kWaitTimeout while it runs, kWaitFailed for a
  // handle that cannot be waited on.
  virtual std::uint32_t Wait(Handle process, std::uint32_t timeoutMilliseconds) = 0;
  virtual bool Close(Handle handle) = 0;

  // kInvalidHandle on failure.
  virtual Handle CreateSnapshot(std::uint32_t flags, std::uint32_t processId) = 0;
  virtual bool FirstProcess(Handle snapshot, ProcessEntry* entry) = 0;
  virtual bool NextProcess(Handle snapshot, ProcessEntry* entry) = 0;
  virtual bool CloseSnapshot(Handle snapshot) = 0;
};

}  // namespace lectavo
