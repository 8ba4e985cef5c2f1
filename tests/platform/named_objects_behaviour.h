// The named mutexes and named events roles as the programs rely on them (the settings lock of
// the toggles, the Today item's wait for the shell), as typed tests that run against the fakes
// natively and against the Win32 adapters under Wine. Instantiate them in one source of a test
// program with backend types that offer
//   mutexes: NamedMutexes& Role();
//   events:  NamedEvents& Role(); and, as another program that owns the events,
//            void Make(WStringView name, bool signalled);  // a manual-reset event
//            void Signal(WStringView name); void Reset(WStringView name);
//            void Remove(WStringView name);  // its owner closes it
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <thread>

#include "platform/named_events.h"
#include "platform/named_mutexes.h"

namespace lectavo::conformance {

inline constexpr WStringView kProbeMutex = u"Lectavo_Probe.Mutex";
inline constexpr WStringView kProbeEvent = u"Lectavo_Probe/Event";

// What a call gives in a thread of its own that ends right after it.
inline std::uint32_t InOtherThread(const std::function<std::uint32_t()>& call) {
  std::uint32_t result = 0;
  std::thread([&] { result = call(); }).join();
  return result;
}

template <class B>
class NamedMutexesBehaviourTest : public ::testing::Test {
 protected:
  NamedMutexes& mutexes() { return backend.Role(); }
  B backend;
};

TYPED_TEST_SUITE_P(NamedMutexesBehaviourTest);

// Two handles of one name are one mutex: a thread takes it as often as it likes and gives it
// up after as many releases; meanwhile no other thread gets it.
TYPED_TEST_P(NamedMutexesBehaviourTest, OneNameIsOneMutexHeldByOneThreadAtATime) {
  NamedMutexes& mutexes = this->mutexes();
  const Handle mine = mutexes.Create(kProbeMutex);
  const Handle other = mutexes.Create(kProbeMutex);
  ASSERT_NE(mine, kNoHandle);
  ASSERT_NE(other, kNoHandle);
  EXPECT_NE(mine, other);
  const auto otherTakes = [&] {
    return InOtherThread([&] {
      const std::uint32_t result = mutexes.Wait(other, 0);
      if (result == kWaitObject0) mutexes.Release(other);
      return result;
    });
  };
  EXPECT_EQ(otherTakes(), kWaitObject0) << "a new mutex is free";
  EXPECT_EQ(mutexes.Wait(mine, 0), kWaitObject0);
  EXPECT_EQ(mutexes.Wait(other, 0), kWaitObject0) << "its owner takes it again at once";
  EXPECT_EQ(otherTakes(), kWaitTimeout);
  EXPECT_TRUE(mutexes.Release(other));
  EXPECT_EQ(otherTakes(), kWaitTimeout) << "taken twice, released once";
  EXPECT_TRUE(mutexes.Release(mine));
  EXPECT_FALSE(mutexes.Release(mine)) << "no more takings to give up";
  EXPECT_EQ(otherTakes(), kWaitObject0);

  // Names differ by letter case.
  const Handle upper = mutexes.Create(u"LECTAVO_PROBE.MUTEX");
  EXPECT_EQ(mutexes.Wait(mine, 0), kWaitObject0);
  EXPECT_EQ(InOtherThread([&] {
              const std::uint32_t result = mutexes.Wait(upper, 0);
              if (result == kWaitObject0) mutexes.Release(upper);
              return result;
            }),
            kWaitObject0);
  EXPECT_TRUE(mutexes.Release(mine));
  EXPECT_TRUE(mutexes.Close(upper));
  EXPECT_TRUE(mutexes.Close(other));
  EXPECT_TRUE(mutexes.Close(mine));
}

TYPED_TEST_P(NamedMutexesBehaviourTest, OnlyItsOwnerReleasesAMutex) {
  NamedMutexes& mutexes = this->mutexes();
  const Handle mutex = mutexes.Create(kProbeMutex);
  ASSERT_NE(mutex, kNoHandle);
  EXPECT_FALSE(mutexes.Release(mutex)) << "nobody holds it";
  ASSERT_EQ(mutexes.Wait(mutex, 0), kWaitObject0);
  EXPECT_FALSE(InOtherThread([&] { return mutexes.Release(mutex) ? 1u : 0u; }));
  EXPECT_TRUE(mutexes.Release(mutex));
  EXPECT_TRUE(mutexes.Close(mutex));
  EXPECT_FALSE(mutexes.Close(mutex)) << "a handle closes once";
  EXPECT_EQ(mutexes.Wait(mutex, 0), kWaitFailed) << "a closed handle names nothing";
}

// A thread that ends holding the mutex leaves it abandoned: the next taker is told, once.
TYPED_TEST_P(NamedMutexesBehaviourTest, MutexOfAThreadThatEndedHoldingItIsTakenAsAbandoned) {
  NamedMutexes& mutexes = this->mutexes();
  const Handle mutex = mutexes.Create(kProbeMutex);
  ASSERT_NE(mutex, kNoHandle);
  ASSERT_EQ(InOtherThread([&] { return mutexes.Wait(mutex, 0); }), kWaitObject0);
  EXPECT_EQ(mutexes.Wait(mutex, 0), kWaitAbandoned);
  EXPECT_TRUE(mutexes.Release(mutex));
  EXPECT_EQ(mutexes.Wait(mutex, 0), kWaitObject0);
  EXPECT_TRUE(mutexes.Release(mutex));
  EXPECT_TRUE(mutexes.Close(mutex));
}

// A thread waiting for the mutex gets it as soon as its owner gives it up.
TYPED_TEST_P(NamedMutexesBehaviourTest, WaitingThreadGetsTheMutexWhenItsOwnerReleasesIt) {
  NamedMutexes& mutexes = this->mutexes();
  const Handle mutex = mutexes.Create(kProbeMutex);
  ASSERT_EQ(mutexes.Wait(mutex, 0), kWaitObject0);
  std::uint32_t waited = kWaitFailed;
  std::thread waiter([&] {
    waited = mutexes.Wait(mutex, 30000);
    if (waited == kWaitObject0) mutexes.Release(mutex);
  });
  EXPECT_TRUE(mutexes.Release(mutex));
  waiter.join();
  EXPECT_EQ(waited, kWaitObject0);
  EXPECT_TRUE(mutexes.Close(mutex));
}

REGISTER_TYPED_TEST_SUITE_P(NamedMutexesBehaviourTest, OneNameIsOneMutexHeldByOneThreadAtATime,
                            OnlyItsOwnerReleasesAMutex,
                            MutexOfAThreadThatEndedHoldingItIsTakenAsAbandoned,
                            WaitingThreadGetsTheMutexWhenItsOwnerReleasesIt);

template <class B>
class NamedEventsBehaviourTest : public ::testing::Test {
 protected:
  NamedEvents& events() { return backend.Role(); }
  B backend;
};

TYPED_TEST_SUITE_P(NamedEventsBehaviourTest);

// A manual-reset event stays signalled through any number of waits until it is reset.
TYPED_TEST_P(NamedEventsBehaviourTest, WaitSeesTheEventsStateWhileItExists) {
  NamedEvents& events = this->events();
  EXPECT_EQ(events.Wait(kProbeEvent, 0), kWaitFailed) << "no such event yet";
  this->backend.Make(kProbeEvent, false);
  EXPECT_EQ(events.Wait(kProbeEvent, 0), kWaitTimeout);
  this->backend.Signal(kProbeEvent);
  EXPECT_EQ(events.Wait(kProbeEvent, 0), kWaitObject0);
  EXPECT_EQ(events.Wait(kProbeEvent, 1000), kWaitObject0);
  EXPECT_EQ(events.Wait(u"LECTAVO_PROBE/EVENT", 0), kWaitFailed) << "names differ by case";
  this->backend.Reset(kProbeEvent);
  EXPECT_EQ(events.Wait(kProbeEvent, 0), kWaitTimeout);
  this->backend.Remove(kProbeEvent);
  EXPECT_EQ(events.Wait(kProbeEvent, 0), kWaitFailed) << "gone with its owner";
}

TYPED_TEST_P(NamedEventsBehaviourTest, EventMadeSignalledIsSeenSignalled) {
  this->backend.Make(kProbeEvent, true);
  EXPECT_EQ(this->events().Wait(kProbeEvent, 0), kWaitObject0);
  this->backend.Remove(kProbeEvent);
}

REGISTER_TYPED_TEST_SUITE_P(NamedEventsBehaviourTest, WaitSeesTheEventsStateWhileItExists,
                            EventMadeSignalledIsSeenSignalled);

}  // namespace lectavo::conformance
