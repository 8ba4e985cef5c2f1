// The device's speech engine: renders text to a WAV file with espeak-ng, a program of the
// Linux host. Wine starts a host program without giving back a process handle and passes it
// files, not pipes, so the text goes through a file, never the command line, a shell moves the
// finished WAV into place in one step, and the caller polls for it (or for the failure mark).
#include <windows.h>

#include <string>

namespace {

constexpr int kRendering = 0;
constexpr int kDone = 1;
constexpr int kFailed = 2;

using UnixName = char*(CDECL*)(const wchar_t*);

// The host's name of a file of the device; empty when there is none. Wine's own kernel32
// gives it.
std::string HostPath(const std::wstring& path) {
  static const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (unixName == nullptr) return {};
  char* name = unixName(path.c_str());
  if (name == nullptr) return {};
  std::string host(name);
  HeapFree(GetProcessHeap(), 0, name);
  return host;
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Utf8(const wchar_t* text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), length, nullptr, nullptr);
  bytes.pop_back();  // the terminator
  return bytes;
}

bool Write(const std::wstring& path, const std::string& bytes, DWORD disposition, DWORD access) {
  const HANDLE file = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, disposition, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE &&
      written == bytes.size();
  CloseHandle(file);
  return ok;
}

// Voice names and host paths reach the shell as arguments of its own, never inside its
// script; still, nothing that could end a quoted argument is let through.
bool PlainVoice(const char* voice) {
  std::string name(voice);
  if (name.empty() || name.size() > 32) return false;
  for (char c : name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '+' || c == '-' || c == '_';
    if (!plain) return false;
  }
  return true;
}

bool Quotable(const std::string& path) {
  return !path.empty() && path.find_first_of("\"\\`$\n") == std::string::npos;
}

// The engine notes each text it was given, a line "time<TAB>voice<TAB>text" in the temporary
// folder (the time in milliseconds of the system clock), so that the device's owner can see
// what was said and when (make mail shows it).
void NoteSaid(const std::wstring& voice, const wchar_t* text) {
  wchar_t folder[MAX_PATH];
  const DWORD length = GetTempPathW(MAX_PATH, folder);
  if (length == 0 || length >= MAX_PATH) return;
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const ULONGLONG milliseconds = (ULONGLONG(now.dwHighDateTime) << 32 | now.dwLowDateTime) / 10000;
  std::wstring line = std::to_wstring(milliseconds) + L"\t" + voice + L"\t" + text;
  for (wchar_t& c : line) {
    if (c == L'\n' || c == L'\r') c = L' ';
  }
  Write(std::wstring(folder, length) + L"ttsengine-said.txt", Utf8(line.c_str()) + "\n",
        OPEN_ALWAYS, FILE_APPEND_DATA);
}

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

// Starts rendering text into wavPath; 0 when it has begun. The text file, the partial WAV
// and the failure mark lie beside wavPath.
extern "C" __declspec(dllexport) int WINAPI
    TtsRenderBegin(const wchar_t* text, const char* voice, int wordsPerMinute, int wordGap,
                   int pitch, const wchar_t* wavPath) {
  if (text == nullptr || voice == nullptr || wavPath == nullptr || !PlainVoice(voice)) return 1;
  const std::wstring wav(wavPath);
  const std::wstring textFile = wav + L".txt";
  DeleteFileW(wav.c_str());
  DeleteFileW((wav + L".failed").c_str());
  const std::string textBytes = Utf8(text);
  if (textBytes.empty() && *text != L'\0') return 1;
  if (!Write(textFile, textBytes, CREATE_ALWAYS, GENERIC_WRITE)) return 1;
  const std::string hostText = HostPath(textFile);
  const std::string hostWav = HostPath(wav);
  if (!Quotable(hostText) || !Quotable(hostWav)) return 1;

  // espeak-ng cuts its file names at about 200 characters: it is given them from their folder.
  const std::wstring script =
      L"cd \\\"${6%/*}\\\" && espeak-ng -b 1 -v \\\"$1\\\" -s $2 -g $3 -p $4 -f \\\"${5##*/}\\\" "
      L"-w \\\"${6##*/}.part\\\" "
      L">/dev/null 2>&1 && mv \\\"$6.part\\\" \\\"$6\\\" || touch \\\"$6.failed\\\"; rm -f "
      L"\\\"$5\\\" \\\"$6.part\\\"";
  std::wstring commandLine = L"/bin/sh -c \"" + script + L"\" sh " + Wide(voice) + L" " +
                             std::to_wstring(wordsPerMinute) + L" " + std::to_wstring(wordGap) +
                             L" " + std::to_wstring(pitch) + L" \"" + Wide(hostText) + L"\" \"" +
                             Wide(hostWav) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION shell{};
  if (!CreateProcessW(L"Z:\\bin\\sh", commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                      nullptr, nullptr, &startup, &shell)) {
    DeleteFileW(textFile.c_str());
    return 1;
  }
  if (shell.hProcess != nullptr) CloseHandle(shell.hProcess);
  if (shell.hThread != nullptr) CloseHandle(shell.hThread);
  NoteSaid(Wide(voice), text);
  return 0;
}

// kRendering, kDone once wavPath holds the whole WAV, kFailed when the engine failed.
extern "C" __declspec(dllexport) int WINAPI TtsRenderState(const wchar_t* wavPath) {
  if (wavPath == nullptr) return kFailed;
  const std::wstring wav(wavPath);
  const bool done = Exists(wav);
  const bool failed = !done && Exists(wav + L".failed");
  if (!done && !failed) return kRendering;
  DeleteFileW((wav + L".txt").c_str());
  DeleteFileW((wav + L".failed").c_str());
  return done ? kDone : kFailed;
}
