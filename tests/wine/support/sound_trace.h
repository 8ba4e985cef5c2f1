// What a program asked PlaySound to play, read from Wine's winmm trace (WINEDEBUG=+winmm);
// the program itself is unchanged.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace lectavo::wine {

struct TracedRun {
  std::optional<DWORD> exitCode;  // none when the program did not end within 30 s
  std::string trace;
};

// Starts the program without arguments, with the winmm trace on, and waits for its end. The
// path is one Wine's own command starts: a Windows path, or a Unix path of the host. With a
// recording (a Unix path of the host), what the sound server played meanwhile is recorded
// into it from the server's monitor: raw, signed 16 bit, mono, 22050 Hz.
TracedRun RunWithSoundTrace(const std::wstring& program, const std::string& recording = "");

// Every text of the trace that follows marker up to end, in the order traced.
std::vector<std::string> Traced(const std::string& trace, const std::string& marker, char end);
// The file names PlaySound was asked for, as traced.
std::vector<std::string> Played(const TracedRun& run);
// A path as the trace writes it: backslashes doubled, other ASCII as it is.
std::string AsTraced(const std::wstring& path);

}  // namespace lectavo::wine
