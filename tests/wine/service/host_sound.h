// The host's side of a speech test: the device's sound server recorded from its monitor, and
// speech rendered natively by espeak-ng for reference. Both run as host programs through
// /bin/sh, which Wine starts without a process handle: their ends are waited for by files.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "device_control/recorded_sound.h"

namespace lectavo::wine {

// Records the sound server from the moment it is made (once bytes flow) until Stop.
class HostRecording {
 public:
  // A Unix path of the host for the raw recording.
  explicit HostRecording(std::string path);
  ~HostRecording();
  HostRecording(const HostRecording&) = delete;
  HostRecording& operator=(const HostRecording&) = delete;

  bool Started() const { return started_; }
  // What was recorded so far.
  Samples SoFar() const;
  // Ends the recording: what was recorded.
  Samples Stop();

 private:
  std::string path_;
  bool started_ = false;
  bool stopped_ = false;
};

// The whole recording once the device has been silent for quietMs after its last sound, or
// after timeoutMs; when asked, the time of its first sound (-1: none).
Samples RecordUntilQuiet(HostRecording& recording, DWORD quietMs, DWORD timeoutMs,
                         double* firstSoundSeconds = nullptr);

// espeak-ng run natively with the arguments the speech engine gives it.
Samples RenderNatively(const std::string& utf8Text, const std::string& voice, int wordsPerMinute,
                       int wordGap, int pitch);

// Runs a /bin/sh script with arguments $1, $2, ... on the host and waits for its end; false
// when it did not end within timeoutMs.
bool RunOnHost(const std::string& script, const std::vector<std::string>& arguments,
               DWORD timeoutMs = 30000);

}  // namespace lectavo::wine
