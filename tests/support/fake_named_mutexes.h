// Named mutexes as the system keeps them: one per name for every "process" that shares this
// object, owned by one thread at a time and taken again by the same thread without blocking.
// A wait really blocks, so that tests with several threads can meet in it. A thread that ends
// owning a mutex leaves the next wait kWaitAbandoned; Abandon does the same for an owner the
// test only imagines.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/named_mutexes.h"

namespace lectavo::fake {

class FakeNamedMutexes final : public NamedMutexes {
 public:
  FakeNamedMutexes();
  ~FakeNamedMutexes() override;
  FakeNamedMutexes(const FakeNamedMutexes&) = delete;
  FakeNamedMutexes& operator=(const FakeNamedMutexes&) = delete;

  // The calls in order, e.g. "Create Lectavo_Settings.Change", "Wait 5000", "Release".
  std::vector<std::string> Log() const;
  // Threads blocked in a wait right now.
  int Waiting() const;
  // The owner of the mutex of that name ended without releasing it.
  void Abandon(WStringView name);
  // Every wait ends at once as if its time ran out while another owner kept the mutex.
  void TimeOutEveryWait();
  // Whether any thread owns the mutex of that name.
  bool Owned(WStringView name) const;

  Handle Create(WStringView name) override;
  std::uint32_t Wait(Handle mutex, std::uint32_t timeoutMilliseconds) override;
  bool Release(Handle mutex) override;
  bool Close(Handle mutex) override;

  // The thread has ended: what it still owned is abandoned.
  void ThreadEnded(std::thread::id thread);

 private:
  struct State {
    std::thread::id owner;
    int count = 0;
    bool abandoned = false;
  };

  mutable std::mutex lock_;
  std::condition_variable released_;
  std::map<WString, State> mutexes_;
  std::map<Handle, WString> handles_;
  std::vector<std::string> log_;
  int waiting_ = 0;
  bool timeOut_ = false;
  Handle nextHandle_ = 0x700;
};

}  // namespace lectavo::fake
