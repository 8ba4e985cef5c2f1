// The real Lectavo_Start from the package, with the real stand-in service installed in the
// program folder of the prefix's drive C:.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>

#include "service/service_control.h"
#include "tests/wine/launcher/device.h"
#include "tests/wine/support/ui_driver.h"

namespace lectavo {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

constexpr DWORD kDefaultSpeak = 0xE8323232;
constexpr DWORD kPollMs = 17138;

class LauncherWineTest : public ::testing::Test {
 protected:
  void SetUp() override { device::RemoveSettings(); }
  void TearDown() override {
    // The service was started by the launcher, not by the test: it is asked to end.
    device::SetServiceEvent(kServiceQuitEvent);
    device::RemoveSettings();
    device::Uninstall(device::kService);
  }
};

TEST_F(LauncherWineTest, StartsTheServiceAfterTheDelayAndEndsWhenTheHeartbeatSaysSo) {
  ASSERT_TRUE(device::Install(device::kService));
  device::PutSettings(kDefaultSpeak, 1, 0);
  const auto launched = steady_clock::now();
  device::StartedProcess launcher(wine::PackagePath(device::kLauncher));
  ASSERT_TRUE(launcher.Started());

  ASSERT_TRUE(
      device::WaitUntil([] { return device::CountProcesses(device::kService) == 1; }, 10000));
  EXPECT_GE(steady_clock::now() - launched, milliseconds(1000)) << "ValWaitStart is 1 s";
  ASSERT_TRUE(device::WaitUntil([] { return device::Alive().value_or(0) != 0; }, 5000))
      << "the service keeps its heartbeat";
  EXPECT_TRUE(launcher.Running());

  // The service tells the launcher to stop watching; the launcher's next poll sees it.
  ASSERT_TRUE(device::SetServiceEvent(kServiceQuitForGoodEvent));
  EXPECT_EQ(launcher.WaitForExit(kPollMs + 3000), 0u);
  EXPECT_EQ(device::Alive(), 0x7FFFFFFFu);
}

struct MissingServiceCase {
  const char* name;
  DWORD speak;
  const wchar_t* message;
};

void PrintTo(const MissingServiceCase& c, std::ostream* out) { *out << c.name; }

class MissingServiceWineTest : public LauncherWineTest,
                               public ::testing::WithParamInterface<MissingServiceCase> {};

TEST_P(MissingServiceWineTest, ShowsTheFailureMessageAndGoesOnWatching) {
  device::Uninstall(device::kService);
  device::PutSettings(GetParam().speak, 1, 0);
  device::StartedProcess launcher(wine::PackagePath(device::kLauncher));
  ASSERT_TRUE(launcher.Started());

  const HWND box = wine::WaitForDialog(launcher.Id(), nullptr, 15000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(wine::Text(box), L"Lectavo");
  EXPECT_THAT(wine::Texts(box), ::testing::Contains(std::wstring(GetParam().message)));

  wine::Click(GetDlgItem(box, IDOK));
  EXPECT_TRUE(device::WaitUntil([&] { return !IsWindow(box); }, 5000));
  EXPECT_TRUE(launcher.Running()) << "a failed start at start-up does not end the launcher";
}

INSTANTIATE_TEST_SUITE_P(
    Languages, MissingServiceWineTest,
    ::testing::Values(
        MissingServiceCase{"English", kDefaultSpeak,
                           L"Application Lectavo could not be started.Please, you repeat the "
                           L"installation."},
        MissingServiceCase{"German", kDefaultSpeak | 0x00400000,
                           L"Programm Lectavo konnte nicht gestartet werden.Wiederholen Sie "
                           L"bitte die Installation, um den Fehler zu beheben"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lectavo
