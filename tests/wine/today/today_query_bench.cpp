// Times the real item's refresh query against one registry read of ValSpeak, in the same
// run: the Today screen asks every two seconds on its own window thread, so the query must
// stay cheap. Prints medians in microseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "tests/wine/today/today_wine_support.h"
#include "today/today_records.h"

namespace {

constexpr int kRounds = 2000;

double Microseconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1e6 * static_cast<double>(end.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> times) {
  std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
  return times[times.size() / 2];
}

// The two are timed in turns, so that the machine's load weighs on both alike.
template <typename First, typename Second>
std::pair<double, double> MedianMicroseconds(First first, Second second) {
  for (int i = 0; i < kRounds / 10; ++i) {  // warm up
    first();
    second();
  }
  std::vector<double> firstTimes;
  std::vector<double> secondTimes;
  for (int i = 0; i < kRounds; ++i) {
    LARGE_INTEGER start;
    LARGE_INTEGER middle;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    first();
    QueryPerformanceCounter(&middle);
    second();
    QueryPerformanceCounter(&end);
    firstTimes.push_back(Microseconds(start, middle));
    secondTimes.push_back(Microseconds(middle, end));
  }
  return {Median(firstTimes), Median(secondTimes)};
}

}  // namespace

int main() {
  using namespace lectavo::wine;
  namespace device = lectavo::device;
  if (!PlacePrograms() || !PutSettings(kReadingOn)) {
    std::fprintf(stderr, "today_query_bench: cannot prepare the device folder\n");
    return 1;
  }
  const HANDLE shellReady = CreateEventW(nullptr, TRUE, TRUE, L"SYSTEM/ShellAPIReady");
  const HWND screen = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 240, 320,
                                      nullptr, nullptr, nullptr, nullptr);
  const HMODULE library = LoadLibraryW(kDevicePathOfLibrary.c_str());
  const auto initialise =
      library == nullptr
          ? nullptr
          : reinterpret_cast<InitializeCustomItemFunction>(reinterpret_cast<void*>(
                GetProcAddress(library, MAKEINTRESOURCEA(kInitializeCustomItemOrdinal))));
  if (initialise == nullptr) {
    std::fprintf(stderr, "today_query_bench: cannot load the item\n");
    return 1;
  }
  TODAYLISTITEM record{};
  record.hwndCustom = initialise(&record, screen);
  device::WaitUntil(
      [] { return !device::ChildrenOf(GetCurrentProcessId(), L"Lectavo_Monitor.exe").empty(); },
      5000);

  HKEY key = nullptr;
  RegOpenKeyExW(HKEY_LOCAL_MACHINE, device::kSettingsKey.c_str(), 0, KEY_QUERY_VALUE, &key);
  const auto [query, read] = MedianMicroseconds(
      [&] {
        SendMessageW(record.hwndCustom, WM_TODAYCUSTOM_QUERYREFRESHCACHE,
                     reinterpret_cast<WPARAM>(&record), 0);
      },
      [&] {
        DWORD value = 0;
        DWORD size = sizeof value;
        RegQueryValueExW(key, L"ValSpeak", nullptr, nullptr, reinterpret_cast<BYTE*>(&value),
                         &size);
      });
  RegCloseKey(key);

  std::printf("  refresh query of Lectavo_Today.dll  %8.1f us (median of %d)\n", query, kRounds);
  std::printf("  one registry read of ValSpeak       %8.1f us (median of %d)\n", read, kRounds);
  std::printf("  query / read                        %8.1f (goal: at most 10)\n", query / read);
  std::printf("figure: Today refresh query / registry read|%.1f|<= 10|%s\n", query / read,
              query / read <= 10 ? "yes" : "no");

  DestroyWindow(screen);
  FreeLibrary(library);
  CloseHandle(shellReady);
  for (DWORD id : device::ChildrenOf(GetCurrentProcessId())) device::EndProcess(id);
  return 0;
}
