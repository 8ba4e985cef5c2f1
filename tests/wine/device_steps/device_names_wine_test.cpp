// The names make run and make say take from lectavo-device are the ones the product states.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "config/config_dialog_controls.h"
#include "platform/win32/wide.h"
#include "settings/program_paths.h"
#include "tests/wine/support/device.h"
#include "tests/wine/support/paths.h"
#include "today/today_item_class.h"

namespace lectavo {
namespace {

struct NameRun {
  int exitCode;
  std::string output;
};

// lectavo-device name WHAT, its output as a script reads it: every CR dropped, then the
// line ends at the end.
NameRun AskTool(const std::wstring& what) {
  NameRun run{0, ""};
  run.exitCode = device::RunAndPump(wine::BuildPath(L"tools\\lectavo-device.exe"), L"name " + what,
                                    &run.output);
  std::erase(run.output, '\r');
  while (!run.output.empty() && run.output.back() == '\n') run.output.pop_back();
  return run;
}

std::string Narrow(WStringView text) { return std::string(text.begin(), text.end()); }

TEST(DeviceNamesWineTest, ScriptsGetTheNamesTheProductStatesWhole) {
  struct Case {
    const wchar_t* what;
    std::string name;
  };
  const Case cases[] = {
      {L"program-folder", Narrow(kProgramFolder)},
      {L"config-dialog", Narrow(kDialogCaption)},  // its leading spaces too
      {L"accounts-tab", std::to_string(kAccountsTab)},
      {L"today-item", Narrow(kTodayItemClass)},
  };
  for (const Case& c : cases) {
    const NameRun run = AskTool(c.what);
    EXPECT_EQ(run.exitCode, 0) << c.name;
    EXPECT_EQ(run.output, c.name);
  }
  const NameRun unknown = AskTool(L"printer");
  EXPECT_NE(unknown.exitCode, 0);
  EXPECT_NE(unknown.output.find("name program-folder|config-dialog|accounts-tab|today-item"),
            std::string::npos)
      << "an unknown name gets the usage, not an empty name: " << unknown.output;
}

}  // namespace
}  // namespace lectavo
