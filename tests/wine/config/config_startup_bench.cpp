// Times Lectavo_Config.exe from its start to its main dialog being visible, against the
// minimal dialog program started and watched the same way, alternating, in the same run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "settings/settings_record.h"
#include "tests/wine/support/device.h"
#include "tests/wine/support/paths.h"
#include "tests/wine/support/settings_record.h"
#include "tests/wine/support/ui_driver.h"

namespace {

using namespace lectavo::wine;

constexpr int kRounds = 10;

// Milliseconds from CreateProcess to a visible dialog; negative when none came.
double TimeToDialog(const std::wstring& path) {
  LARGE_INTEGER frequency;
  LARGE_INTEGER start;
  LARGE_INTEGER shown;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  lectavo::device::StartedProcess program(path);
  HWND dialog = WaitForDialog(program.Id(), nullptr);
  QueryPerformanceCounter(&shown);
  if (dialog == nullptr) return -1;
  Close(dialog);
  program.WaitForExit(10000);
  return 1000.0 * static_cast<double>(shown.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  if (!lectavo::device::PutInstallRecord(lectavo::kDefaultSpeak, L"C:\\Lectavo\\")) {
    std::puts("cannot write the settings record");
    return 1;
  }
  const std::wstring config = PackagePath(L"Lectavo_Config.exe");
  const std::wstring minimal = BuildPath(L"tests\\wine\\config\\minimal_dialog.exe");
  TimeToDialog(config);  // the first start of each warms Wine's caches
  TimeToDialog(minimal);
  std::vector<double> configTimes;
  std::vector<double> minimalTimes;
  for (int round = 0; round < kRounds; ++round) {
    configTimes.push_back(TimeToDialog(config));
    minimalTimes.push_back(TimeToDialog(minimal));
  }
  lectavo::device::RemoveSettings();
  if (*std::min_element(configTimes.begin(), configTimes.end()) < 0 ||
      *std::min_element(minimalTimes.begin(), minimalTimes.end()) < 0) {
    std::puts("a dialog did not appear");
    return 1;
  }
  const double configMedian = Median(configTimes);
  const double minimalMedian = Median(minimalTimes);
  std::printf("  Lectavo_Config.exe, start to visible dialog   %7.1f ms (median of %d)\n",
              configMedian, kRounds);
  std::printf("  minimal dialog program, the same              %7.1f ms (median of %d)\n",
              minimalMedian, kRounds);
  std::printf("  ratio                                         %7.2f (goal <= 1.5)\n",
              configMedian / minimalMedian);
  const double ratio = configMedian / minimalMedian;
  std::printf("figure: Lectavo_Config start-up / minimal dialog|%.2f|<= 1.5|%s\n", ratio,
              ratio <= 1.5 ? "yes" : "no");
  return 0;
}
