#include "platform/win32/wave_format.h"
#include "platform/win32/win32_speech.h"

namespace lectavo {

// One buffer at a time: the samples stay here while the device plays them. The device is
// opened on a thread of its own, since Wine's first audio set-up takes seconds, during which
// the caller keeps its heartbeat.
struct Win32Audio::Device {
  HWAVEOUT output = nullptr;
  WAVEFORMATEX format{};
  HANDLE opening = nullptr;
  std::vector<std::int16_t> samples;
  WAVEHDR header{};
  bool prepared = false;

  static DWORD WINAPI OpenOutput(void* context) {
    auto* device = static_cast<Device*>(context);
    if (waveOutOpen(&device->output, WAVE_MAPPER, &device->format, 0, 0, CALLBACK_NULL) !=
        MMSYSERR_NOERROR) {
      device->output = nullptr;
    }
    return 0;
  }
  // Waits for the opening; false when the device could not be opened.
  bool Ready() {
    if (opening != nullptr) {
      WaitForSingleObject(opening, INFINITE);
      CloseHandle(opening);
      opening = nullptr;
    }
    return output != nullptr;
  }
  void Unprepare() {
    if (!prepared) return;
    waveOutReset(output);
    waveOutUnprepareHeader(output, &header, sizeof header);
    prepared = false;
  }
  void Close() {
    if (!Ready()) return;
    Unprepare();
    waveOutClose(output);
    output = nullptr;
  }
};

Win32Audio::Win32Audio() : device_(new Device) {}

Win32Audio::~Win32Audio() { device_->Close(); }

bool Win32Audio::Open(int sampleRate) {
  if (device_->opening != nullptr || device_->output != nullptr) {
    if (device_->format.nSamplesPerSec == static_cast<DWORD>(sampleRate)) return true;
    device_->Close();
  }
  device_->format = MonoPcm16(sampleRate);
  device_->opening = CreateThread(nullptr, 0, Device::OpenOutput, device_.get(), 0, nullptr);
  return device_->opening != nullptr;
}

bool Win32Audio::Play(const std::vector<std::int16_t>& samples, int sampleRate) {
  if (!Open(sampleRate) || !device_->Ready()) return false;
  device_->Unprepare();
  device_->samples = samples;
  device_->header = WAVEHDR{};
  device_->header.lpData = reinterpret_cast<LPSTR>(device_->samples.data());
  device_->header.dwBufferLength = static_cast<DWORD>(device_->samples.size() * 2);
  if (waveOutPrepareHeader(device_->output, &device_->header, sizeof device_->header) !=
      MMSYSERR_NOERROR) {
    return false;
  }
  device_->prepared = true;
  return waveOutWrite(device_->output, &device_->header, sizeof device_->header) ==
         MMSYSERR_NOERROR;
}

bool Win32Audio::Playing() {
  return device_->prepared && (device_->header.dwFlags & WHDR_DONE) == 0;
}

void Win32Audio::Stop() { device_->Unprepare(); }

}  // namespace lectavo
