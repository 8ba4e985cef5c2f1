// The six real toggle programs from the package folder, run against Wine's registry. What a
// program asks PlaySound to play is read from Wine's winmm trace (WINEDEBUG=+winmm); the
// program itself is unchanged.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace {

const wchar_t kKeyPath[] = L"SOFTWARE\\ORBA-GMBH\\Lectavo\\";
// Written after the program's trace, followed by its exit code.
const wchar_t kExitMarker[] = L"toggle-exit=";
const std::vector<std::wstring> kOtherValues = {L"ValUsedLang",   L"StrAccounts",  L"ValWaitStart",
                                                L"ValAnswerTime", L"StrAddressCC", L"StrLangPath"};

// Wine shows the host's root as drive Z:.
std::wstring PackageFolder() {
  std::wstring path = std::wstring(L"Z:") + LECTAVO_PACKAGE_DIR;
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

// A path as Wine's trace writes it: backslashes doubled, other ASCII as it is.
std::string AsTraced(const std::wstring& path) {
  std::string traced;
  for (wchar_t c : path) traced += c == L'\\' ? std::string("\\\\") : std::string(1, char(c));
  return traced;
}

struct ToggleRun {
  DWORD exitCode = ~DWORD{0};
  std::string trace;
};

class VoicecmdWineTest : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ORBA-GMBH"); }
  void TearDown() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ORBA-GMBH"); }

  static void Put(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }
  static void PutDword(const wchar_t* name, DWORD value) {
    Put(name, REG_DWORD, &value, sizeof value);
  }
  static void PutText(const wchar_t* name, const std::wstring& text) {
    Put(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  static void Remove(const wchar_t* name) {
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kKeyPath, name);
  }

  // The bytes of a stored value followed by its type; empty when the value is absent.
  static std::vector<BYTE> Stored(const std::wstring& name) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kKeyPath, name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type,
                     nullptr, &size) != ERROR_SUCCESS) {
      return {};
    }
    std::vector<BYTE> bytes(size + 1);
    RegGetValueW(HKEY_LOCAL_MACHINE, kKeyPath, name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type,
                 bytes.data(), &size);
    bytes.resize(size);
    bytes.push_back(static_cast<BYTE>(type));
    return bytes;
  }
  static DWORD Speak() {
    DWORD value = 0;
    DWORD size = sizeof value;
    EXPECT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, kKeyPath, L"ValSpeak", RRF_RT_REG_DWORD, nullptr,
                           &value, &size),
              ERROR_SUCCESS);
    return value;
  }
  static std::map<std::wstring, std::vector<BYTE>> Others() {
    std::map<std::wstring, std::vector<BYTE>> values;
    for (const std::wstring& name : kOtherValues) values[name] = Stored(name);
    return values;
  }

  // A whole record whose prompts are the packaged ones.
  static void PutRecord(DWORD speak) {
    PutDword(L"ValSpeak", speak);
    PutDword(L"ValUsedLang", 651);
    PutText(L"StrAccounts", L"Outlook\tFirma\t");
    PutDword(L"ValWaitStart", 25);
    PutDword(L"ValAnswerTime", 7);
    PutText(L"StrAddressCC", L"kopie@example.org");
    PutText(L"StrLangPath", PackageFolder() + L"\\");
  }

  // Starts the packaged program by its file name, without arguments and with Wine's winmm
  // trace on, and waits for its end. Wine writes a program's trace to the Unix error output it
  // inherits, whatever Windows handles it is given; so a Unix shell (Wine starts those too)
  // starts the program with its error output in a file, then adds the exit code.
  static ToggleRun RunToggle(const std::wstring& name) {
    ToggleRun run;
    wchar_t folder[MAX_PATH];
    wchar_t traceFile[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"vc", 0, traceFile);
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE trace = CreateFileW(traceFile, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               &inheritable, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(trace, INVALID_HANDLE_VALUE);

    std::wstring commandLine = L"/bin/sh -c \"WINEDEBUG=+winmm wine \\\"$0\\\" 2>&1; echo " +
                               std::wstring(kExitMarker) + L"$?\" \"" +
                               std::wstring(LECTAVO_PACKAGE_DIR) + L"/" + name + L".exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = trace;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(L"Z:\\bin\\sh", commandLine.data(), nullptr, nullptr, TRUE,
                                        0, nullptr, nullptr, &startup, &process);
    CloseHandle(trace);
    EXPECT_TRUE(started) << "cannot start the shell";

    // A Unix program gives no process handle to wait on: wait for the exit code instead.
    const std::string marker(std::begin(kExitMarker), std::end(kExitMarker) - 1);
    for (int waited = 0; started && waited < 30000; waited += 50) {
      run.trace = ReadAll(traceFile);
      const auto at = run.trace.find(marker);
      if (at != std::string::npos && run.trace.find('\n', at) != std::string::npos) {
        run.exitCode = std::stoul(run.trace.substr(at + marker.size()));
        break;
      }
      Sleep(50);
    }
    DeleteFileW(traceFile);
    return run;
  }

  static std::string ReadAll(const wchar_t* path) {
    std::string text;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
      text.append(buffer, read);
    }
    CloseHandle(file);
    return text;
  }

  // Every text that follows marker up to end, in the order traced.
  static std::vector<std::string> Traced(const std::string& trace, const std::string& marker,
                                         char end) {
    std::vector<std::string> found;
    for (auto at = trace.find(marker); at != std::string::npos; at = trace.find(marker, at)) {
      at += marker.size();
      found.push_back(trace.substr(at, trace.find(end, at) - at));
    }
    return found;
  }
  // The file names PlaySound was asked for, as traced.
  static std::vector<std::string> Played(const ToggleRun& run) {
    return Traced(run.trace, "proc_PlaySound SoundName=L\"", '"');
  }
  static std::vector<std::string> Flags(const ToggleRun& run) {
    return Traced(run.trace, "fdwSound=", '\n');
  }
  // The trace is on (winmm is loaded with every program) and shows no PlaySound call.
  static void ExpectNothingPlayed(const ToggleRun& run) {
    EXPECT_NE(run.trace.find("trace:winmm:"), std::string::npos) << run.trace;
    EXPECT_EQ(run.trace.find("PlaySound"), std::string::npos) << run.trace;
  }
  static std::string Prompt(const std::wstring& file) {
    return AsTraced(PackageFolder() + L"\\VoiceCommand\\" + file);
  }
};

struct ToggleCase {
  const wchar_t* program;
  DWORD before;
  DWORD after;
  const wchar_t* prompt;
};

// Each program from the other side of its bit, in both dialog languages (bit 22).
const ToggleCase kToggleCases[] = {
    {L"Lectavo_VC_VorlesenEin", 0x00400000, 0x08400000, L"ENG_VorlesenEin.WAV"},
    {L"Lectavo_VC_VorlesenAus", 0xE8323232, 0xE0323232, L"GER_VorlesenAus.WAV"},
    {L"Lectavo_VC_NachfrageEin", 0xFFFFFFFF, 0xEFFFFFFF, L"ENG_NachfrageEin.WAV"},
    {L"Lectavo_VC_NachfrageAus", 0xE0323232, 0xF0323232, L"GER_NachfrageAus.WAV"},
    {L"Lectavo_VC_AntwortEin", 0xE8323232, 0xE8B23232, L"GER_AntwortEin.WAV"},
    {L"Lectavo_VC_AntwortAus", 0xFFFFFFFF, 0xFF7FFFFF, L"ENG_AntwortAus.WAV"},
};

void PrintTo(const ToggleCase& c, std::ostream* out) {
  *out << std::string(c.program, c.program + wcslen(c.program));
}

class ToggleWineTest : public VoicecmdWineTest, public ::testing::WithParamInterface<ToggleCase> {};

TEST_P(ToggleWineTest, SwitchesItsBitAloneAndPlaysThePackagedPrompt) {
  const ToggleCase& c = GetParam();
  PutRecord(c.before);
  const auto others = Others();
  const ToggleRun run = RunToggle(c.program);

  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(Speak(), c.after);
  EXPECT_EQ(Others(), others) << "every other value stays as it was";
  EXPECT_EQ(Played(run), std::vector<std::string>{Prompt(c.prompt)}) << run.trace;
  EXPECT_EQ(Flags(run), std::vector<std::string>{"00020002"});
  EXPECT_NE(run.trace.find("Chunk Found ckid=data"), std::string::npos)
      << "winmm found the prompt and read it as a WAV file:\n"
      << run.trace;
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, ToggleWineTest, ::testing::ValuesIn(kToggleCases),
                         [](const auto& info) {
                           const std::wstring name = info.param.program;
                           return std::string(name.begin() + 11, name.end());
                         });

TEST_F(VoicecmdWineTest, AbsentAnswerTimeAndAddressCCAreWrittenOnlyWithAChange) {
  PutRecord(0xE8323232);
  Remove(L"ValAnswerTime");
  Remove(L"StrAddressCC");
  const ToggleRun unchanged = RunToggle(L"Lectavo_VC_VorlesenEin");
  EXPECT_EQ(Speak(), 0xE8323232u);
  EXPECT_TRUE(Stored(L"ValAnswerTime").empty());
  EXPECT_TRUE(Stored(L"StrAddressCC").empty());
  EXPECT_EQ(Played(unchanged), std::vector<std::string>{Prompt(L"GER_VorlesenEin.WAV")});

  const ToggleRun changed = RunToggle(L"Lectavo_VC_AntwortEin");
  EXPECT_EQ(Speak(), 0xE8B23232u);
  EXPECT_EQ(Stored(L"ValAnswerTime"), (std::vector<BYTE>{3, 0, 0, 0, REG_DWORD}));
  EXPECT_EQ(Stored(L"StrAddressCC"), (std::vector<BYTE>{0, 0, REG_SZ})) << "the terminator alone";
  EXPECT_EQ(Played(changed), std::vector<std::string>{Prompt(L"GER_AntwortEin.WAV")});
}

TEST_F(VoicecmdWineTest, WithoutTheRecordNothingIsCreatedAndNothingPlays) {
  const ToggleRun run = RunToggle(L"Lectavo_VC_VorlesenEin");
  EXPECT_EQ(run.exitCode, 0u);
  HKEY key = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_READ, &key), ERROR_SUCCESS);
  ExpectNothingPlayed(run);
}

// The prompt path has room for 259 characters; StrLangPath may hold 255. With
// "VoiceCommand\\GER_NachfrageEin.WAV" (33 characters) a folder of 226 fits, 227 does not.
TEST_F(VoicecmdWineTest, PromptPathThatDoesNotFitPlaysNothingButTheOptionSwitches) {
  for (const std::size_t length : {226u, 227u, 255u}) {
    SCOPED_TRACE(length);
    PutRecord(0xF8323232);
    const std::wstring folder = L"C:\\" + std::wstring(length - 4, L'x') + L"\\";
    PutText(L"StrLangPath", folder);
    const ToggleRun run = RunToggle(L"Lectavo_VC_NachfrageEin");
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(Speak(), 0xE8323232u) << "the option switches";
    if (length == 226) {
      const std::string path = AsTraced(folder + L"VoiceCommand\\GER_NachfrageEin.WAV");
      EXPECT_EQ(Played(run), std::vector<std::string>{path}) << run.trace;
    } else {
      ExpectNothingPlayed(run);
    }
  }
}

}  // namespace
