// The reading service on the Wine tests' device: its program, the speech engine and the
// messaging library in the system folder, voices laid out as the setup lays them out, the
// record it reads, mail delivered into a store's inbox, and what it then says, recorded.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "device_control/recorded_sound.h"
#include "tests/wine/service/host_sound.h"
#include "tests/wine/support/device.h"

namespace lectavo::wine {

inline constexpr DWORD kReadOn = 1u << 27;
inline constexpr DWORD kUnasked = 1u << 28;
inline constexpr DWORD kEnglishDialogs = 1u << 22;
inline constexpr DWORD kMale = 1u << 26;
// Reading on without asking, only the body, speed, pitch and volume 100.
inline constexpr DWORD kBodyOnly = 0x98323232;

// ValSpeak with speed, pitch and volume as the Speak page shows them.
DWORD WithVoice(DWORD speak, int speed, int pitch, int volume);

class ReadingDevice {
 public:
  // The voices as the package delivers them, the record (StrAccounts choosing "Büro") and the
  // device's parts; the service is not started yet.
  ReadingDevice(DWORD speak, DWORD usedLang = 1);
  ~ReadingDevice();
  ReadingDevice(const ReadingDevice&) = delete;
  ReadingDevice& operator=(const ReadingDevice&) = delete;

  // Starts the service and waits for its first heartbeats; false when it does not beat.
  bool Start();
  // A device without speech: the engine's library is gone from the system folder.
  void RemoveSpeechEngine();
  void SetSpeak(DWORD speak);
  void SetAccounts(const std::wstring& accounts);
  // A message into the store's inbox, as make mail delivers it.
  bool Deliver(const std::wstring& store, const std::string& from, const std::string& subject,
               const std::string& body);
  // Delivers a message with the body alone and records until the device has been quiet for
  // quietMs after its last sound (or 20 s): what it said.
  Samples Heard(const std::string& body, DWORD quietMs = 1500, double* firstSound = nullptr);
  // Delivers a message with the body alone and records for the given time from then on.
  Samples HeardWithin(const std::string& body, double seconds);
  HostRecording& Record();
  bool ServiceRunning() const;
  // Whether the service's heartbeat moves on within 5 s.
  bool Beating() const;

 private:
  std::unique_ptr<device::StartedProcess> service_;
  std::unique_ptr<HostRecording> recording_;
  int recordings_ = 0;
};

}  // namespace lectavo::wine
