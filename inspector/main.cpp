// lectavo-settings: prints the settings record decoded, or changes one value by name.
//   lectavo-settings
//   lectavo-settings get FlagReadOn
//   lectavo-settings set FlagReadOn 0
//   lectavo-settings set StrAccounts "Outlook" "Firma"
#include <windows.h>

#include <string>
#include <vector>

#include "inspector/record_fields.h"
#include "inspector/settings_change.h"
#include "inspector/settings_report.h"
#include "inspector/settings_value.h"
#include "platform/win32/win32_roles.h"

namespace {

void Print(lectavo::WStringView text, DWORD stream = STD_OUTPUT_HANDLE) {
  const std::wstring line = std::wstring(text.begin(), text.end()) + L"\n";
  const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, utf8.data(), size, nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(stream), utf8.data(), size - 1, &written, nullptr);
}

lectavo::WString Text(const wchar_t* argument) {
  return lectavo::WString(argument, argument + wcslen(argument));
}

// Every name get and set take, as the report prints them.
lectavo::WString Names() {
  lectavo::WString names;
  const auto add = [&](const char16_t* name) { (names += name) += u" "; };
  for (const lectavo::RecordValue& row : lectavo::kRecordValues) add(row.name);
  for (const lectavo::HalvedField& halved : lectavo::kHalvedFields) {
    add(halved.shownName);
    add(halved.name);
  }
  for (const lectavo::NamedField& field : lectavo::kSpeakFlags) add(field.name);
  for (const lectavo::NamedField& field : lectavo::kUsedLangFields) add(field.name);
  return names;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  lectavo::Registry& registry = lectavo::SystemRegistry();
  lectavo::Win32CodePage codePage;
  lectavo::SettingsStore store(registry);
  const std::vector<std::wstring> args(argv + 1, argv + argc);

  if (args.empty()) {
    for (const lectavo::WString& line : lectavo::DescribeSettings(store, codePage)) Print(line);
    return 0;
  }
  if (args.size() == 2 && args[0] == L"get") {
    const lectavo::ValueOutcome value = lectavo::ReadSetting(store, Text(argv[2]));
    Print(value.text, value.found ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    return value.found ? 0 : 1;
  }
  const int raw = args.size() >= 2 && args[0] == L"set" && args[1] == L"--raw" ? 1 : 0;
  if (argc >= 3 + raw && args[0] == L"set") {
    std::vector<lectavo::WString> values;
    for (int i = 3 + raw; i < argc; ++i) values.push_back(Text(argv[i]));
    const lectavo::ChangeOutcome outcome =
        lectavo::ChangeSetting(store, Text(argv[2 + raw]), values, raw == 1);
    Print(outcome.message, outcome.done ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    return outcome.done ? 0 : 1;
  }
  Print(
      u"usage: lectavo-settings                    print the settings\n"
      u"       lectavo-settings get NAME           print one value alone\n"
      u"       lectavo-settings set NAME VALUE...  change one value by name\n"
      u"       lectavo-settings set --raw NAME VALUE  also a half the Speak page would replace\n"
      u"NAME: " +
          Names(),
      STD_ERROR_HANDLE);
  return 2;
}
