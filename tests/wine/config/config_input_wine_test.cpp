// Lectavo_Config.exe under Wine driven with real input: the keyboard focus moved by Tab and
// Shift+Tab, a check box ticked with Space and with a mouse click, and OK storing both.
#include <gtest/gtest.h>
#include <windows.h>

#include "settings/settings_record.h"
#include "tests/wine/support/device.h"
#include "tests/wine/support/paths.h"
#include "tests/wine/support/product_names.h"
#include "tests/wine/support/settings_record.h"
#include "tests/wine/support/ui_driver.h"
#include "tests/wine/support/user_input.h"

namespace lectavo {
namespace {

using namespace lectavo::device;
using device::kSettingsKey;
using namespace lectavo::wine;

constexpr DWORD kReadOn = 1u << 27;
constexpr DWORD kReadUnasked = 1u << 28;

class ConfigInputWineTest : public ::testing::Test {
 protected:
  void SetUp() override { RemoveSettings(); }
  void TearDown() override { RemoveSettings(); }
};

TEST_F(ConfigInputWineTest, TabMovesTheFocusAndSpaceOrAClickTicksTheFocusedBox) {
  ASSERT_TRUE(PutInstallRecord(kDefaultSpeak, L"C:\\Lectavo\\"));
  StartedProcess program(PackagePath(L"Lectavo_Config.exe"));
  const HWND dialog = WaitForDialog(program.Id(), kConfigCaption);
  ASSERT_NE(dialog, nullptr);
  const HWND readOn = FindControl(dialog, 1000);
  const HWND unasked = FindControl(dialog, 1001);
  ASSERT_EQ(CheckState(readOn), BST_CHECKED);
  ASSERT_EQ(CheckState(unasked), BST_UNCHECKED);

  ASSERT_TRUE(Focus(readOn));
  ASSERT_TRUE(PressKey(readOn, VK_TAB));
  EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(dialog) == unasked; }, 3000))
      << "Tab moves on to the next box";
  ASSERT_TRUE(PressChord(dialog, {VK_SHIFT, VK_TAB}));
  EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(dialog) == readOn; }, 3000))
      << "Shift+Tab moves back";
  ASSERT_TRUE(PressKey(readOn, VK_SPACE));
  EXPECT_TRUE(WaitUntil([&] { return CheckState(readOn) == BST_UNCHECKED; }, 3000))
      << "Space unticks the focused box";
  EXPECT_TRUE(ClickControl(unasked, [&] { return CheckState(unasked) == BST_CHECKED; }))
      << "a click ticks the box";

  Click(FindControl(dialog, IDOK));
  ASSERT_TRUE(program.WaitForExit(10000));
  EXPECT_EQ(ReadDword(kSettingsKey, L"ValSpeak"), (kDefaultSpeak & ~kReadOn) | kReadUnasked);
}

}  // namespace
}  // namespace lectavo
