// lectavo-device: what a person does with the device's screen, for make run without a display.
//   lectavo-device wait-window TITLE SECONDS   waits for a visible window with that title
//   lectavo-device tap CLASS                   taps the first window of that class
//   lectavo-device screenshot TITLE FILE.bmp   saves what the window shows
//   lectavo-device close TITLE                 asks the window to close, waits until it has
//   lectavo-device wait-refresh SECONDS        waits for the Today screen's next refresh query
//   lectavo-device signal EVENT                sets a named event
//   lectavo-device tab TITLE INDEX             selects a tab of the window, as a click does
//   lectavo-device wake-sound                  sets up the sound device (slow the first time)
//   lectavo-device heard FILE                  how long a recording (.raw) or a WAV sounds
//   lectavo-device listen RECORDING.raw LOG    what the device says from now on, into LOG
//   lectavo-device name WHAT                   a name the product states (device_names.h)
#include <windows.h>
// After windows.h, which they build on.
#include <commctrl.h>
#include <mmsystem.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "device_control/device_listen.h"
#include "device_control/device_names.h"
#include "device_control/recorded_sound.h"

namespace {

HWND FindVisibleWindow(const std::wstring& title) {
  HWND window = FindWindowW(nullptr, title.c_str());
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

struct ClassSearch {
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK MatchClass(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<ClassSearch*>(context);
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  if (wcscmp(name, search->className) == 0) {
    search->found = window;
    return FALSE;
  }
  EnumChildWindows(window, MatchClass, context);
  return search->found == nullptr;
}

// Polls until done holds, at most seconds; whether it held.
template <typename Condition>
bool WaitFor(Condition done, int seconds) {
  for (int tries = 0; tries < seconds * 50; ++tries, Sleep(20)) {
    if (done()) return true;
  }
  return done();
}

int WaitWindow(const std::wstring& title, int seconds) {
  return WaitFor([&] { return FindVisibleWindow(title) != nullptr; }, seconds) ? 0 : 1;
}

int Tap(const wchar_t* className) {
  ClassSearch search{className, nullptr};
  EnumWindows(MatchClass, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return 1;
  PostMessageW(search.found, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  PostMessageW(search.found, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  return 0;
}

int Screenshot(const std::wstring& title, const wchar_t* file) {
  HWND window = FindVisibleWindow(title);
  if (window == nullptr) return 1;
  SetForegroundWindow(window);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Sleep(300);
  RECT rect;
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  const DWORD rowBytes = ((width * 3 + 3) / 4) * 4;
  const DWORD imageBytes = rowBytes * height;
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof header + sizeof info.bmiHeader;
  header.bfSize = header.bfOffBits + imageBytes;
  int result = 1;
  if (FILE* out = _wfopen(file, L"wb")) {
    fwrite(&header, sizeof header, 1, out);
    fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
    fwrite(pixels, imageBytes, 1, out);
    result = fclose(out) == 0 ? 0 : 1;
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return result;
}

int Close(const std::wstring& title) {
  HWND window = FindVisibleWindow(title);
  if (window == nullptr || !PostMessageW(window, WM_CLOSE, 0, 0)) return 1;
  return WaitFor([&] { return !IsWindow(window); }, 10) ? 0 : 1;
}

// The Today screen counts its refresh queries in a window property.
int WaitRefresh(int seconds) {
  const HWND screen = FindWindowW(L"TodayScreen", nullptr);
  if (screen == nullptr) return 1;
  const auto queries = [&] { return reinterpret_cast<UINT_PTR>(GetPropW(screen, L"RefreshQueries")); };
  const UINT_PTR seen = queries();
  return WaitFor([&] { return queries() > seen; }, seconds) ? 0 : 1;
}

int Signal(const wchar_t* name) {
  HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, name);
  if (event == nullptr) return 1;
  const bool set = SetEvent(event) != FALSE;
  CloseHandle(event);
  return set ? 0 : 1;
}

int SelectTab(const std::wstring& title, int index) {
  HWND window = FindVisibleWindow(title);
  if (window == nullptr) return 1;
  HWND tab = FindWindowExW(window, nullptr, WC_TABCONTROLW, nullptr);
  if (tab == nullptr) return 1;
  // Moving the focus notifies the dialog as a click does; setting the selection would not.
  SendMessageW(tab, TCM_SETCURFOCUS, index, 0);
  return SendMessageW(tab, TCM_GETCURSEL, 0, 0) == index ? 0 : 1;
}

// Plays a tenth of a second of silence: the first sound of a new Wine prefix waits seconds
// for the audio set-up, which then is done before anything is timed or heard.
int WakeSound() {
  const DWORD started = GetTickCount();
  WAVEFORMATEX format{WAVE_FORMAT_PCM, 1, 22050, 44100, 2, 16, 0};
  HWAVEOUT out = nullptr;
  const MMRESULT opened = waveOutOpen(&out, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL);
  if (opened != MMSYSERR_NOERROR) {
    fwprintf(stderr, L"no sound device (waveOutOpen error %u, %u devices)\n", opened,
             waveOutGetNumDevs());
    return 1;
  }
  std::vector<char> silence(format.nAvgBytesPerSec / 10, 0);
  WAVEHDR header{};
  header.lpData = silence.data();
  header.dwBufferLength = static_cast<DWORD>(silence.size());
  waveOutPrepareHeader(out, &header, sizeof header);
  waveOutWrite(out, &header, sizeof header);
  for (int waited = 0; !(header.dwFlags & WHDR_DONE) && waited < 60000; waited += 10) Sleep(10);
  const bool done = (header.dwFlags & WHDR_DONE) != 0;
  waveOutReset(out);
  waveOutUnprepareHeader(out, &header, sizeof header);
  waveOutClose(out);
  wprintf(L"sound device %ls in %.1f s\n", done ? L"ready" : L"did not finish playing",
          (GetTickCount() - started) / 1000.0);
  return done ? 0 : 1;
}

std::optional<std::string> FileBytes(const wchar_t* path) {
  FILE* in = _wfopen(path, L"rb");
  if (in == nullptr) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  for (size_t read; (read = fread(buffer, 1, sizeof buffer, in)) > 0;) bytes.append(buffer, read);
  fclose(in);
  return bytes;
}

// A .raw file is a recording of the sound server: 16-bit mono at 22050 Hz.
int PrintHeard(const std::wstring& path) {
  const auto bytes = FileBytes(path.c_str());
  const bool raw = path.size() > 4 && _wcsicmp(path.c_str() + path.size() - 4, L".raw") == 0;
  const auto samples = !bytes ? std::nullopt
                       : raw  ? std::optional<lectavo::Samples>(lectavo::RawSamples(*bytes, 22050))
                              : lectavo::WavSamples(*bytes);
  if (!samples) {
    fwprintf(stderr, L"cannot read %ls as a recording or a 16-bit mono WAV file\n", path.c_str());
    return 1;
  }
  const lectavo::Heard heard = lectavo::Listen(*samples);
  wprintf(L"%.2f s of sound, loudest %.0f dB\n", heard.seconds, heard.peakDb);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::vector<std::wstring> args(argv + 1, argv + argc);
  if (args.size() == 3 && args[0] == L"wait-window") return WaitWindow(args[1], _wtoi(argv[3]));
  if (args.size() == 2 && args[0] == L"tap") return Tap(argv[2]);
  if (args.size() == 3 && args[0] == L"screenshot") return Screenshot(args[1], argv[3]);
  if (args.size() == 2 && args[0] == L"close") return Close(args[1]);
  if (args.size() == 2 && args[0] == L"wait-refresh") return WaitRefresh(_wtoi(argv[2]));
  if (args.size() == 2 && args[0] == L"signal") return Signal(argv[2]);
  if (args.size() == 3 && args[0] == L"tab") return SelectTab(args[1], _wtoi(argv[3]));
  if (args.size() == 1 && args[0] == L"wake-sound") return WakeSound();
  if (args.size() == 2 && args[0] == L"heard") return PrintHeard(args[1]);
  if (args.size() == 3 && args[0] == L"listen") return ListenToDevice(args[1], args[2]);
  if (args.size() == 2 && args[0] == L"name") {
    const auto name = lectavo::DeviceName(args[1]);
    if (name) return wprintf(L"%ls\n", name->c_str()) > 0 ? 0 : 1;
  }
  fputws(
      L"usage: lectavo-device wait-window TITLE SECONDS | tap CLASS | "
      L"screenshot TITLE FILE.bmp | close TITLE | wait-refresh SECONDS | signal EVENT | "
      L"tab TITLE INDEX | "
      L"wake-sound | heard FILE | listen RECORDING.raw LOG | "
      L"name program-folder|config-dialog|accounts-tab|today-item\n",
      stderr);
  return 2;
}
