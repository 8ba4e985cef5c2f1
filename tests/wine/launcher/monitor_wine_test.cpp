// The stand-in monitor, run for real: it stays running once started from the program
// folder and is stopped by name, as the Today item and the setup expect.
#include <gtest/gtest.h>

#include "tests/wine/launcher/device.h"

namespace lectavo {
namespace {

TEST(MonitorWineTest, IdlesUntilTerminatedByName) {
  ASSERT_TRUE(device::Install(device::kMonitor));
  device::StartedProcess monitor(wine::ProgramFile(device::kMonitor));
  ASSERT_TRUE(monitor.Started());
  EXPECT_FALSE(monitor.WaitForExit(1000)) << "it idles";

  ASSERT_EQ(device::StopByName(L"lectavo_monitor.exe"), std::vector<DWORD>{monitor.Id()});
  EXPECT_EQ(monitor.WaitForExit(3000), 0u);
  device::Uninstall(device::kMonitor);
}

}  // namespace
}  // namespace lectavo
