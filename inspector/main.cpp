// lectavo-settings: prints the settings record decoded, or changes one value by name.
//   lectavo-settings
//   lectavo-settings set FlagReadOn 0
//   lectavo-settings set StrAccounts "Outlook" "Firma"
#include <windows.h>

#include <string>
#include <vector>

#include "inspector/settings_change.h"
#include "inspector/settings_report.h"
#include "platform/win32/win32_roles.h"

namespace {

void Print(lectavo::WStringView text) {
  const std::wstring line = std::wstring(text.begin(), text.end()) + L"\n";
  const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, utf8.data(), size, nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), size - 1, &written, nullptr);
}

lectavo::WString Text(const wchar_t* argument) {
  return lectavo::WString(argument, argument + wcslen(argument));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  lectavo::Registry& registry = lectavo::SystemRegistry();
  lectavo::Win32CodePage codePage;
  lectavo::SettingsStore store(registry);

  if (argc == 1) {
    for (const lectavo::WString& line : lectavo::DescribeSettings(store, codePage)) Print(line);
    return 0;
  }
  if (argc >= 3 && std::wstring(argv[1]) == L"set") {
    std::vector<lectavo::WString> values;
    for (int i = 3; i < argc; ++i) values.push_back(Text(argv[i]));
    const lectavo::ChangeOutcome outcome = lectavo::ChangeSetting(store, Text(argv[2]), values);
    Print(outcome.message);
    return outcome.done ? 0 : 1;
  }
  Print(u"usage: lectavo-settings              print the settings\n"
        u"       lectavo-settings set NAME VALUE...  change one value by name");
  return 2;
}
