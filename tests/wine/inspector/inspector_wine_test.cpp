// lectavo-settings run for real against Wine's registry, as a person runs it on the device.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>

#include "platform/win32/win32_roles.h"
#include "settings/settings_store.h"
#include "tests/wine/support/settings_record.h"

namespace lectavo {
namespace {

struct ToolRun {
  DWORD exitCode = 0;
  std::string output;
};

ToolRun RunTool(const std::wstring& arguments) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  EXPECT_TRUE(CreatePipe(&readEnd, &writeEnd, &inherit, 0));
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process{};
  std::wstring tool = L"" LECTAVO_TOOL;
  for (wchar_t& c : tool) c = c == L'/' ? L'\\' : c;
  std::wstring commandLine = L"\"" + tool + L"\" " + arguments;
  ToolRun run;
  if (!CreateProcessW(tool.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &process)) {
    ADD_FAILURE() << "cannot start the tool: " << GetLastError();
    return run;
  }
  CloseHandle(writeEnd);
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    run.output.append(buffer, read);
  }
  WaitForSingleObject(process.hProcess, 30000);
  GetExitCodeProcess(process.hProcess, &run.exitCode);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  CloseHandle(readEnd);
  return run;
}

class InspectorWineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    device::RemoveSettings();
    SettingsRecord record;
    record.ValSpeak = kDefaultSpeak;
    record.ValUsedLang = 651;
    std::u16string_view(u"Outlook\t").copy(record.StrAccounts, 8);
    record.ValWaitStart = 10;
    record.ValAnswerTime = 3;
    std::u16string_view(u"C:\\Lectavo\\").copy(record.StrLangPath, 11);
    ASSERT_EQ(store.SaveSettings(record), 0);
    ASSERT_EQ(store.SaveLangPath(record), 0);
  }
  void TearDown() override { device::RemoveSettings(); }

  Registry& registry = SystemRegistry();
  SettingsStore store{registry};
};

TEST_F(InspectorWineTest, PrintsTheRecordDecodedAndMarksWhatIsMissing) {
  const ToolRun run = RunTool(L"");
  EXPECT_EQ(run.exitCode, 0u);
  std::string folded;  // runs of blanks folded: alignment is not the point
  for (char c : run.output) {
    if (c != ' ' || folded.empty() || folded.back() != ' ') folded += c;
  }
  for (const char* expected :
       {" FlagReadOn 1", " Speed 100", " Language Chinesisch / Chinese", " Account \"Outlook\"",
        "ValWaitStart 10 s", "StrLangPath \"C:\\Lectavo\\\"", "ValAlive MISSING"}) {
    EXPECT_NE(folded.find(expected), std::string::npos) << expected << "\n" << run.output;
  }
}

TEST_F(InspectorWineTest, SetWritesOneValueThroughTheSettingsStore) {
  const ToolRun run = RunTool(L"set FlagReadOn 0");
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  SettingsRecord record;
  ASSERT_EQ(store.LoadSettings(record), 0);
  EXPECT_EQ(record.ValSpeak, kDefaultSpeak & ~(1u << 27));
  EXPECT_EQ(WString(record.StrAccounts), u"Outlook\t");

  const ToolRun refused = RunTool(L"set FlagReadOn 7");
  EXPECT_EQ(refused.exitCode, 1u);
  EXPECT_NE(refused.output.find("does not fit"), std::string::npos) << refused.output;
}

// What scripts read and write: one value alone, and no value the Speak page would replace.
TEST_F(InspectorWineTest, GetPrintsOneValueAloneAndSetRefusesWhatThePageWouldReplace) {
  for (const auto& [name, printed] : {std::pair{L"Speed", "100\n"},
                                      {L"SpeedHalf", "50\n"},
                                      {L"StrAccounts", "Outlook\t\n"},
                                      {L"LangNumber", "11\n"}}) {
    const ToolRun run = RunTool(std::wstring(L"get ") + name);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.output, printed);
  }
  EXPECT_EQ(RunTool(L"get ValAlive").exitCode, 1u) << "missing";

  const ToolRun refused = RunTool(L"set SpeedHalf 5");
  EXPECT_EQ(refused.exitCode, 1u);
  EXPECT_NE(refused.output.find("SpeedHalf takes 10..250"), std::string::npos) << refused.output;
  EXPECT_EQ(RunTool(L"set --raw SpeedHalf 5").exitCode, 0u);
  EXPECT_EQ(RunTool(L"set Volume 60").exitCode, 0u);
  EXPECT_EQ(RunTool(L"get VolumeHalf").output, "30\n");
}

}  // namespace
}  // namespace lectavo
