#include "tests/wine/support/sound_trace.h"

namespace lectavo::wine {
namespace {

// Written after the program's trace, followed by its exit code.
const char kExitMarker[] = "traced-exit=";

std::string ReadAll(const wchar_t* path) {
  std::string text;
  const HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return text;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    text.append(buffer, read);
  }
  CloseHandle(file);
  return text;
}

}  // namespace

// Wine writes a program's trace to the Unix error output it inherits, whatever Windows
// handles it is given; so a Unix shell (Wine starts those too) runs the program through the
// build's wine-run, with its output in a file, then adds the exit code. A Unix program gives
// no process handle to wait on: the exit code in the file is waited for instead. wine-run
// records the sound server while the program runs, until what it played has arrived.
TracedRun RunWithSoundTrace(const std::wstring& program, const std::string& recording) {
  TracedRun run;
  wchar_t folder[MAX_PATH];
  wchar_t traceFile[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  GetTempFileNameW(folder, L"snd", 0, traceFile);
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  const HANDLE trace = CreateFileW(traceFile, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   &inheritable, CREATE_ALWAYS, 0, nullptr);
  if (trace == INVALID_HANDLE_VALUE) return run;

  const std::string marker(std::begin(kExitMarker), std::end(kExitMarker) - 1);
  const std::string wineRun = LECTAVO_BUILD_DIR "/wine-run";
  std::wstring commandLine =
      L"/bin/sh -c \"LECTAVO_RECORD=\\\"$1\\\" WINEDEBUG=+winmm \\\"$2\\\" \\\"$0\\\" 2>&1; echo " +
      std::wstring(marker.begin(), marker.end()) + L"$?\" \"" + program + L"\" \"" +
      std::wstring(recording.begin(), recording.end()) + L"\" \"" +
      std::wstring(wineRun.begin(), wineRun.end()) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = trace;
  PROCESS_INFORMATION shell{};
  const BOOL started = CreateProcessW(L"Z:\\bin\\sh", commandLine.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, nullptr, &startup, &shell);
  CloseHandle(trace);

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

std::vector<std::string> Traced(const std::string& trace, const std::string& marker, char end) {
  std::vector<std::string> found;
  for (auto at = trace.find(marker); at != std::string::npos; at = trace.find(marker, at)) {
    at += marker.size();
    found.push_back(trace.substr(at, trace.find(end, at) - at));
  }
  return found;
}

std::vector<std::string> Played(const TracedRun& run) {
  return Traced(run.trace, "proc_PlaySound SoundName=L\"", '"');
}

std::string AsTraced(const std::wstring& path) {
  std::string traced;
  for (wchar_t c : path) traced += c == L'\\' ? std::string("\\\\") : std::string(1, char(c));
  return traced;
}

}  // namespace lectavo::wine
