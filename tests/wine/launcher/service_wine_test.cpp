// The stand-in reading service, run for real: the heartbeat, a second copy, and both ways
// of asking it to end.
#include <gtest/gtest.h>

#include "service/service_control.h"
#include "tests/wine/launcher/device.h"

namespace lectavo {
namespace {

using device::Alive;

class ServiceWineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    device::RemoveSettings();
    ASSERT_TRUE(device::Install(device::kService));
  }
  void TearDown() override {
    device::SetServiceEvent(kServiceQuitEvent);
    device::RemoveSettings();
    device::Uninstall(device::kService);
  }

  // Waits for the heartbeat to move on from seen; the value it moved to.
  static std::optional<DWORD> NextBeat(DWORD seen) {
    std::optional<DWORD> now;
    device::WaitUntil([&] { return (now = Alive()) && *now != seen; }, 4000);
    return now != seen ? now : std::nullopt;
  }
};

TEST_F(ServiceWineTest, StoresANewHeartbeatEveryFewSecondsAndEndsWhenAsked) {
  device::PutSettings(0xE8323232, 10, 0x7FFFFFFE);
  device::StartedProcess service(wine::ProgramFile(device::kService));
  ASSERT_TRUE(service.Started());
  EXPECT_EQ(NextBeat(0x7FFFFFFE), 0x80000000u) << "0x7FFFFFFF would end the launcher's watch";
  EXPECT_EQ(NextBeat(0x80000000), 0x80000001u);

  ASSERT_TRUE(device::SetServiceEvent(kServiceQuitEvent));
  EXPECT_EQ(service.WaitForExit(3000), 0u);
  EXPECT_EQ(Alive(), 0x80000001u) << "a plain end leaves the heartbeat standing";
}

TEST_F(ServiceWineTest, SecondCopyEndsAtOnceAndTheFirstBeatsOn) {
  device::PutSettings(0xE8323232, 10, 0);
  device::StartedProcess first(wine::ProgramFile(device::kService));
  const std::optional<DWORD> beat = NextBeat(0);
  ASSERT_TRUE(beat);

  device::StartedProcess second(wine::ProgramFile(device::kService));
  ASSERT_TRUE(second.Started());
  EXPECT_EQ(second.WaitForExit(3000), 0u);
  EXPECT_TRUE(first.Running());
  EXPECT_EQ(device::CountProcesses(device::kService), 1);
  EXPECT_TRUE(NextBeat(*beat)) << "the first copy keeps the heartbeat";
}

TEST_F(ServiceWineTest, QuitForGoodStoresTheEndOfWatchingAndAFreshCopyBeatsAgain) {
  device::PutSettings(0xE8323232, 10, 0);
  {
    device::StartedProcess service(wine::ProgramFile(device::kService));
    ASSERT_TRUE(NextBeat(0));
    ASSERT_TRUE(device::SetServiceEvent(kServiceQuitForGoodEvent));
    EXPECT_EQ(service.WaitForExit(3000), 0u);
    EXPECT_EQ(Alive(), 0x7FFFFFFFu);
  }
  device::StartedProcess again(wine::ProgramFile(device::kService));
  EXPECT_EQ(NextBeat(0x7FFFFFFF), 0x80000000u) << "the events of the last run are past";
  EXPECT_TRUE(again.Running());
}

TEST_F(ServiceWineTest, TerminatedByNameWithoutNoticeAFreshCopyBeatsAgain) {
  device::PutSettings(0xE8323232, 10, 0);
  {
    device::StartedProcess service(wine::ProgramFile(device::kService));
    ASSERT_TRUE(NextBeat(0));
    // As the setup stops it: found by its lower-case name, terminated with exit code 0.
    ASSERT_EQ(device::StopByName(L"lectavo_service.exe"), std::vector<DWORD>{service.Id()});
    EXPECT_EQ(service.WaitForExit(3000), 0u);
  }
  const DWORD stopped = Alive().value_or(0);
  device::StartedProcess fresh(wine::ProgramFile(device::kService));
  EXPECT_TRUE(NextBeat(stopped)) << "the copy that was stopped does not count as running";
  EXPECT_TRUE(fresh.Running());
}

}  // namespace
}  // namespace lectavo
