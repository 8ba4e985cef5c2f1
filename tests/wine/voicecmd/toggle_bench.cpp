// Times the toggle against a program of the same build that does only the toggle's fixed
// work (the 297 ms pause, then the same prompt with the same flags), both started the same
// way and switching the option on every run: the Ein and Aus builds take turns. Each toggle
// run is paired with a run of the yardstick right after it, so a load on the machine weighs
// on both alike; the figure is the median of the pairs' ratios, once with the prompts played
// through the device's sound server and once without prompt files. Also prints how long
// PlaySound takes against the prompt's own length: the sound path's latency.
#include <windows.h>
// After windows.h, which it builds on.
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/wine/support/paths.h"
#include "tests/wine/support/settings_record.h"

namespace {

// Pairs with prompts take seconds each; those without take a fraction.
constexpr int kHeardPairs = 15;
constexpr int kSilentPairs = 21;
constexpr DWORD kReadingOn = 0xE8323232;

double Now() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return double(counter.QuadPart) / double(frequency.QuadPart);
}

// Wall time from CreateProcess to the process's end; negative when it cannot start.
double TimeRun(const std::wstring& program, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const double start = Now();
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return -1;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  const double time = Now() - start;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return time;
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

// A whole record with reading on, whose prompts lie in folder.
void PutRecord(const std::wstring& folder) {
  lectavo::device::RemoveSettings();
  lectavo::device::PutInstallRecord(kReadingOn, folder + L"\\");
}

struct Pairs {
  std::vector<double> toggle;
  std::vector<double> fixedWork;
  std::vector<double> ratio;
};

// count pairs after one to warm up; false when a program cannot be started. Which of a pair
// runs first alternates, so a load that rises or falls weighs on both alike.
bool MeasurePairs(const std::wstring& package, const std::wstring& folder, int count,
                  Pairs& pairs) {
  PutRecord(folder);
  for (int run = 0; run <= count; ++run) {
    // Aus on even runs, Ein on odd ones: the option changes every time.
    const wchar_t* command = run % 2 == 0 ? L"VorlesenAus" : L"VorlesenEin";
    const std::wstring prompt = L"\"" + folder + L"\\VoiceCommand\\GER_" + command + L".WAV\"";
    const std::wstring toggleProgram = package + L"\\Lectavo_VC_" + command + L".exe";
    double toggle = 0;
    double fixedWork = 0;
    if (run % 4 < 2) {
      toggle = TimeRun(toggleProgram, L"");
      fixedWork = TimeRun(lectavo::wine::HostPath(LECTAVO_FIXED_WORK), prompt);
    } else {
      fixedWork = TimeRun(lectavo::wine::HostPath(LECTAVO_FIXED_WORK), prompt);
      toggle = TimeRun(toggleProgram, L"");
    }
    if (toggle < 0 || fixedWork < 0) return false;
    if (run == 0) continue;
    pairs.toggle.push_back(toggle);
    pairs.fixedWork.push_back(fixedWork);
    pairs.ratio.push_back(toggle / fixedWork);
  }
  return true;
}

void Report(const char* title, const char* name, const Pairs& pairs) {
  const double ratio = Median(pairs.ratio);
  std::printf("  %s\n", title);
  std::printf("    toggle                         %6.3f s (median)\n", Median(pairs.toggle));
  std::printf("    its fixed work alone           %6.3f s (median)\n", Median(pairs.fixedWork));
  std::printf("    toggle / fixed work, per pair  %6.3f   (median of %zu pairs, goal <= 1.05)\n",
              ratio, pairs.ratio.size());
  std::printf("figure: toggle / its fixed work, %s|%.3f|<= 1.05|%s\n", name, ratio,
              ratio <= 1.05 ? "yes" : "no");
}

}  // namespace

int wmain() {
  const std::wstring package = lectavo::wine::PackageFolder();
  const std::wstring noPrompts = lectavo::wine::HostPath(LECTAVO_NO_PROMPTS);
  CreateDirectoryW(noPrompts.c_str(), nullptr);
  const std::wstring prompt = package + L"\\VoiceCommand\\GER_VorlesenAus.WAV";
  const double promptSeconds = WavSeconds(prompt);
  if (promptSeconds < 0 || waveOutGetNumDevs() == 0) {
    std::fprintf(stderr, "toggle bench: no prompt %ls or no sound device\n", prompt.c_str());
    return 1;
  }

  // The first sound of a prefix sets the audio device up; it is not the toggle's time.
  double start = Now();
  PlaySoundW(prompt.c_str(), nullptr, SND_FILENAME | SND_NODEFAULT);
  const double firstPlay = Now() - start;
  std::vector<double> plays;
  for (int play = 0; play < 3; ++play) {
    start = Now();
    PlaySoundW(prompt.c_str(), nullptr, SND_FILENAME | SND_NODEFAULT);
    plays.push_back(Now() - start);
  }
  const double latency = Median(plays) - promptSeconds;

  Pairs heard;
  Pairs silent;
  if (!MeasurePairs(package, package, kHeardPairs, heard) ||
      !MeasurePairs(package, noPrompts, kSilentPairs, silent)) {
    std::fprintf(stderr, "toggle bench: cannot start the programs\n");
    return 1;
  }
  lectavo::device::RemoveSettings();

  std::printf("  Lectavo_VC_VorlesenAus and -Ein in turn, each run switching the option\n");
  Report("prompts played through the device's sound server", "prompts heard", heard);
  Report("no prompt files (PlaySound finds none)", "no prompt files", silent);
  std::printf(
      "  PlaySound of a %.3f s prompt     %6.3f s (median of 3; the first of the prefix %.3f s)\n",
      promptSeconds, Median(plays), firstPlay);
  std::printf("figure: PlaySound time beyond the prompt's length|%.3f s|-|-\n", latency);
  return 0;
}
