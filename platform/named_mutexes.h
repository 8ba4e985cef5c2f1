// Named mutexes role: CreateMutex (not owned), WaitForSingleObject, ReleaseMutex, CloseHandle.
#pragma once

#include <cstdint>

#include "platform/types.h"
#include "platform/wait_results.h"

namespace lectavo {

class NamedMutexes {
 public:
  virtual ~NamedMutexes() = default;

  // Opens the system-wide mutex of that name, making it when none exists, without taking
  // it; kNoHandle on failure.
  virtual Handle Create(WStringView name) = 0;
  // kWaitObject0 when taken, kWaitAbandoned when taken from an owner that ended without
  // releasing it, kWaitTimeout when another owner kept it, kWaitFailed on failure.
  virtual std::uint32_t Wait(Handle mutex, std::uint32_t timeoutMilliseconds) = 0;
  // Gives up one taking by the calling thread.
  virtual bool Release(Handle mutex) = 0;
  virtual bool Close(Handle mutex) = 0;
};

}  // namespace lectavo
