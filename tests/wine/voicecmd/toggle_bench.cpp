// Times a toggle that has to switch its bit against a do-nothing program, both started the
// same way (CreateProcess, wait for the end), and prints the toggle's time beyond its floor
// (the 297 ms pause and the prompt's length, when a sound device plays it) as a ratio to the
// do-nothing program's time; once as the user meets it, and once without a prompt path, which
// leaves out the sound system's own start-up.
#include <windows.h>
// mmsystem.h needs the definitions above.
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/wine/support/paths.h"

namespace {

constexpr int kRounds = 7;
const wchar_t kKeyPath[] = L"SOFTWARE\\ORBA-GMBH\\Lectavo\\";

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// Wall time from CreateProcess to the process's end; negative when it cannot start.
double TimeRun(const std::wstring& program) {
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER start;
  LARGE_INTEGER end;
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return -1;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  QueryPerformanceCounter(&end);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return Seconds(start, end);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Playing time of a PCM WAV file: the data chunk's size over the format's bytes per second.
double WavSeconds(const std::wstring& path) {
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return -1;
  std::vector<unsigned char> bytes(GetFileSize(file, nullptr));
  DWORD read = 0;
  ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr);
  CloseHandle(file);
  auto dword = [&](std::size_t at) {
    return DWORD(bytes[at]) | DWORD(bytes[at + 1]) << 8 | DWORD(bytes[at + 2]) << 16 |
           DWORD(bytes[at + 3]) << 24;
  };
  DWORD bytesPerSecond = 0;
  for (std::size_t at = 12; at + 8 <= read; at += 8 + dword(at + 4) + (dword(at + 4) & 1)) {
    if (std::equal(bytes.begin() + at, bytes.begin() + at + 4, "fmt ")) {
      bytesPerSecond = dword(at + 16);
    } else if (std::equal(bytes.begin() + at, bytes.begin() + at + 4, "data") && bytesPerSecond) {
      return double(dword(at + 4)) / bytesPerSecond;
    }
  }
  return -1;
}

// The record with reading on, which the toggle switches off; no StrLangPath when langPath is
// empty.
void PutRecord(const std::wstring& langPath) {
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ORBA-GMBH");
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  auto dword = [&](const wchar_t* name, DWORD value) {
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
  };
  auto text = [&](const wchar_t* name, const std::wstring& value) {
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   DWORD((value.size() + 1) * sizeof(wchar_t)));
  };
  dword(L"ValSpeak", 0xE8323232);
  dword(L"ValUsedLang", 1);
  text(L"StrAccounts", L"");
  dword(L"ValWaitStart", 10);
  dword(L"ValAnswerTime", 3);
  text(L"StrAddressCC", L"");
  if (!langPath.empty()) text(L"StrLangPath", langPath);
  RegCloseKey(key);
}

}  // namespace

int wmain() {
  const std::wstring package = lectavo::wine::PackageFolder();
  const std::wstring toggle = package + L"\\Lectavo_VC_VorlesenAus.exe";
  const std::wstring doNothing = lectavo::wine::HostPath(LECTAVO_DO_NOTHING);
  const double prompt = WavSeconds(package + L"\\VoiceCommand\\GER_VorlesenAus.WAV");
  const bool heard = waveOutGetNumDevs() > 0;

  std::vector<double> toggleTimes;
  std::vector<double> silentTimes;
  std::vector<double> doNothingTimes;
  for (int round = 0; round <= kRounds; ++round) {
    PutRecord(package + L"\\");
    const double toggleTime = TimeRun(toggle);
    PutRecord(L"");
    const double silentTime = TimeRun(toggle);
    const double doNothingTime = TimeRun(doNothing);
    if (toggleTime < 0 || silentTime < 0 || doNothingTime < 0 || prompt < 0) {
      std::fprintf(stderr, "toggle bench: cannot run the programs or read the prompt\n");
      return 1;
    }
    if (round == 0) continue;  // warming up
    toggleTimes.push_back(toggleTime);
    silentTimes.push_back(silentTime);
    doNothingTimes.push_back(doNothingTime);
  }
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ORBA-GMBH");

  const double floor = 0.297 + (heard ? prompt : 0);
  const double toggleTime = Median(toggleTimes);
  const double silentTime = Median(silentTimes);
  const double doNothingTime = Median(doNothingTimes);
  std::printf("  medians of %d runs; the toggle switches its bit in each\n", kRounds);
  std::printf("  do-nothing program                 %6.3f s\n", doNothingTime);
  std::printf("  Lectavo_VC_VorlesenAus             %6.3f s\n", toggleTime);
  std::printf("  the same without StrLangPath       %6.3f s (no PlaySound call)\n", silentTime);
  std::printf("  floor                              %6.3f s (297 ms + prompt %.3f s%s)\n", floor,
              prompt, heard ? "" : " not counted: no sound device plays it");
  std::printf("  (toggle - floor) / do-nothing      %6.2f   (goal <= 1.3)\n",
              (toggleTime - floor) / doNothingTime);
  std::printf("  without PlaySound: (- 297 ms) / do-nothing %6.2f\n",
              (silentTime - 0.297) / doNothingTime);
  const double ratio = (toggleTime - floor) / doNothingTime;
  std::printf("figure: toggle time beyond its floor / do-nothing|%.2f|<= 1.3|%s\n", ratio,
              ratio <= 1.3 ? "yes" : "no");
  return 0;
}
