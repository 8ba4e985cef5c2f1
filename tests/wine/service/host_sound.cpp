#include "tests/wine/service/host_sound.h"

#include <windows.h>

#include <atomic>
#include <vector>

#include "device_control/speech_measures.h"
#include "tests/wine/support/device.h"
#include "tests/wine/support/paths.h"

namespace lectavo::wine {
namespace {

std::wstring Wide(const std::string& text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), length);
  wide.pop_back();
  return wide;
}

std::string Scratch(const char* name) {
  static std::atomic<int> next{0};
  return std::string(LECTAVO_SERVICE_SCRATCH) + "/" + name + "-" +
         std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++next);
}

bool StartOnHost(const std::string& script, const std::vector<std::string>& arguments) {
  std::wstring commandLine = L"/bin/sh -c \"" + Wide(script) + L"\" sh";
  for (const std::string& argument : arguments) commandLine += L" \"" + Wide(argument) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION shell{};
  if (!CreateProcessW(L"Z:\\bin\\sh", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &shell)) {
    return false;
  }
  if (shell.hProcess != nullptr) CloseHandle(shell.hProcess);
  if (shell.hThread != nullptr) CloseHandle(shell.hThread);
  return true;
}

Samples Recorded(const std::string& path) {
  return RawSamples(device::Content(HostPath(path)).value_or(""), 22050);
}

}  // namespace

bool RunOnHost(const std::string& script, const std::vector<std::string>& arguments,
               DWORD timeoutMs) {
  const std::string done = Scratch("done");
  std::vector<std::string> withDone = arguments;
  withDone.push_back(done);
  const std::string last = "\\\"${" + std::to_string(withDone.size()) + "}\\\"";
  if (!StartOnHost(script + "; touch " + last, withDone)) return false;
  const bool ended = device::WaitUntil([&] { return device::Exists(HostPath(done)); }, timeoutMs);
  DeleteFileW(HostPath(done).c_str());
  return ended;
}

HostRecording::HostRecording(std::string path) : path_(std::move(path)) {
  DeleteFileW(HostPath(path_).c_str());
  started_ = StartOnHost(
      "parec --device=@DEFAULT_MONITOR@ --raw --format=s16le --channels=1 --rate=22050 "
      ">\\\"$1\\\" 2>/dev/null & echo $! >\\\"$1.pid\\\"; wait",
      {path_});
  // The monitor delivers silence as well: recording has begun once bytes arrive.
  started_ = started_ &&
             device::WaitUntil(
                 [&] { return device::Content(HostPath(path_)).value_or("").size() > 0; }, 10000);
}

HostRecording::~HostRecording() { Stop(); }

Samples HostRecording::SoFar() const { return Recorded(path_); }

Samples HostRecording::Stop() {
  if (!stopped_) {
    stopped_ = true;
    RunOnHost("kill $(cat \\\"$1.pid\\\") 2>/dev/null; rm -f \\\"$1.pid\\\"", {path_});
  }
  return Recorded(path_);
}

Samples RecordUntilQuiet(HostRecording& recording, DWORD quietMs, DWORD timeoutMs,
                         double* firstSoundSeconds) {
  device::WaitUntil(
      [&] {
        const Samples sofar = recording.SoFar();
        const double last = SoundEndsSeconds(sofar);
        const double recorded = double(sofar.values.size()) / sofar.rate;
        return last >= 0 && recorded - last > quietMs / 1000.0;
      },
      timeoutMs);
  const Samples all = recording.Stop();
  if (firstSoundSeconds != nullptr) *firstSoundSeconds = SoundBeginsSeconds(all);
  return all;
}

Samples RenderNatively(const std::string& utf8Text, const std::string& voice, int wordsPerMinute,
                       int wordGap, int pitch) {
  const std::string text = Scratch("text");
  const std::string wav = Scratch("reference") + ".wav";
  device::Write(HostPath(text), utf8Text);
  // From the scratch folder: espeak-ng cuts its file names at about 200 characters.
  RunOnHost("cd \\\"${6%/*}\\\" && espeak-ng -b 1 -v \\\"$1\\\" -s $2 -g $3 -p $4 "
            "-f \\\"${5##*/}\\\" -w \\\"${6##*/}\\\"",
            {voice, std::to_string(wordsPerMinute), std::to_string(wordGap), std::to_string(pitch),
             text, wav});
  const std::optional<Samples> samples = WavSamples(device::Content(HostPath(wav)).value_or(""));
  DeleteFileW(HostPath(text).c_str());
  DeleteFileW(HostPath(wav).c_str());
  return samples.value_or(Samples{{}, 22050});
}

}  // namespace lectavo::wine
