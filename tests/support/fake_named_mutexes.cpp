#include "tests/support/fake_named_mutexes.h"

#include <chrono>
#include <set>

#include "tests/support/text.h"

namespace lectavo::fake {
namespace {

// The fakes that exist, so that a thread that ends tells only those.
std::mutex liveLock;
std::set<FakeNamedMutexes*> live;

// Which fakes this thread has taken a mutex of; when the thread ends, each is told.
struct TakenByThisThread {
  std::set<FakeNamedMutexes*> fakes;
  ~TakenByThisThread() {
    std::lock_guard guard(liveLock);
    for (FakeNamedMutexes* fake : fakes) {
      if (live.count(fake) != 0) fake->ThreadEnded(std::this_thread::get_id());
    }
  }
};
thread_local TakenByThisThread takenByThisThread;

}  // namespace

FakeNamedMutexes::FakeNamedMutexes() {
  std::lock_guard guard(liveLock);
  live.insert(this);
}

FakeNamedMutexes::~FakeNamedMutexes() {
  std::lock_guard guard(liveLock);
  live.erase(this);
}

void FakeNamedMutexes::ThreadEnded(std::thread::id thread) {
  std::lock_guard guard(lock_);
  for (auto& [name, state] : mutexes_) {
    if (state.count == 0 || state.owner != thread) continue;
    state = State{};
    state.abandoned = true;
  }
  released_.notify_all();
}

std::vector<std::string> FakeNamedMutexes::Log() const {
  std::lock_guard guard(lock_);
  return log_;
}

int FakeNamedMutexes::Waiting() const {
  std::lock_guard guard(lock_);
  return waiting_;
}

void FakeNamedMutexes::Abandon(WStringView name) {
  std::lock_guard guard(lock_);
  State& state = mutexes_[WString(name)];
  state = State{};
  state.abandoned = true;
  released_.notify_all();
}

void FakeNamedMutexes::TimeOutEveryWait() {
  std::lock_guard guard(lock_);
  timeOut_ = true;
}

bool FakeNamedMutexes::Owned(WStringView name) const {
  std::lock_guard guard(lock_);
  auto found = mutexes_.find(WString(name));
  return found != mutexes_.end() && found->second.count > 0;
}

Handle FakeNamedMutexes::Create(WStringView name) {
  std::lock_guard guard(lock_);
  log_.push_back("Create " + Narrow(name));
  mutexes_.try_emplace(WString(name));
  handles_[nextHandle_] = WString(name);
  return nextHandle_++;
}

std::uint32_t FakeNamedMutexes::Wait(Handle mutex, std::uint32_t timeoutMilliseconds) {
  std::unique_lock guard(lock_);
  log_.push_back("Wait " + std::to_string(timeoutMilliseconds));
  auto handle = handles_.find(mutex);
  if (handle == handles_.end()) return kWaitFailed;
  State& state = mutexes_[handle->second];
  const auto me = std::this_thread::get_id();
  const auto free = [&] { return state.count == 0 || state.owner == me; };
  if (timeOut_) return kWaitTimeout;
  if (!free()) {
    ++waiting_;
    const bool taken = released_.wait_for(guard, std::chrono::milliseconds(timeoutMilliseconds), free);
    --waiting_;
    if (!taken) return kWaitTimeout;
  }
  const bool abandoned = state.abandoned;
  state.abandoned = false;
  state.owner = me;
  ++state.count;
  takenByThisThread.fakes.insert(this);
  return abandoned ? kWaitAbandoned : kWaitObject0;
}

bool FakeNamedMutexes::Release(Handle mutex) {
  std::lock_guard guard(lock_);
  log_.push_back("Release");
  auto handle = handles_.find(mutex);
  if (handle == handles_.end()) return false;
  State& state = mutexes_[handle->second];
  if (state.count == 0 || state.owner != std::this_thread::get_id()) return false;
  if (--state.count == 0) released_.notify_all();
  return true;
}

bool FakeNamedMutexes::Close(Handle mutex) {
  std::lock_guard guard(lock_);
  log_.push_back("Close");
  return handles_.erase(mutex) != 0;
}

}  // namespace lectavo::fake
