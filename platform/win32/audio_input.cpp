#include "platform/win32/wave_format.h"
#include "platform/win32/win32_speech.h"

namespace lectavo {
namespace {

// Two seconds of buffers in tenths: a caller that looks every few tenths loses nothing.
constexpr int kBuffers = 20;

}  // namespace

// The buffers are handed to the device in turn and come back filled in the same order.
struct Win32AudioInput::Device {
  HWAVEIN input = nullptr;
  std::vector<std::int16_t> samples[kBuffers];
  WAVEHDR headers[kBuffers]{};
  int prepared = 0;
  int next = 0;

  void Close() {
    if (input == nullptr) return;
    waveInReset(input);
    for (int i = 0; i < prepared; ++i) waveInUnprepareHeader(input, &headers[i], sizeof headers[i]);
    prepared = 0;
    waveInClose(input);
    input = nullptr;
  }
};

Win32AudioInput::Win32AudioInput() : device_(new Device) {}

Win32AudioInput::~Win32AudioInput() { device_->Close(); }

bool Win32AudioInput::Start(int sampleRate) {
  device_->Close();
  const WAVEFORMATEX format = MonoPcm16(sampleRate);
  if (waveInOpen(&device_->input, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
    device_->input = nullptr;
    return false;
  }
  device_->next = 0;
  for (int i = 0; i < kBuffers; ++i) {
    device_->samples[i].assign(static_cast<std::size_t>(sampleRate / 10), 0);
    WAVEHDR& header = device_->headers[i];
    header = WAVEHDR{};
    header.lpData = reinterpret_cast<LPSTR>(device_->samples[i].data());
    header.dwBufferLength = static_cast<DWORD>(device_->samples[i].size() * 2);
    if (waveInPrepareHeader(device_->input, &header, sizeof header) != MMSYSERR_NOERROR) break;
    ++device_->prepared;
    if (waveInAddBuffer(device_->input, &header, sizeof header) != MMSYSERR_NOERROR) break;
  }
  if (device_->prepared == kBuffers && waveInStart(device_->input) == MMSYSERR_NOERROR) return true;
  device_->Close();
  return false;
}

bool Win32AudioInput::Take(std::vector<std::int16_t>& samples) {
  if (device_->input == nullptr) return false;
  for (;;) {
    WAVEHDR& header = device_->headers[device_->next];
    if ((header.dwFlags & WHDR_DONE) == 0) return true;
    const std::int16_t* recorded = device_->samples[device_->next].data();
    samples.insert(samples.end(), recorded, recorded + header.dwBytesRecorded / 2);
    header.dwFlags &= ~static_cast<DWORD>(WHDR_DONE);
    header.dwBytesRecorded = 0;
    if (waveInAddBuffer(device_->input, &header, sizeof header) != MMSYSERR_NOERROR) return false;
    device_->next = (device_->next + 1) % kBuffers;
  }
}

void Win32AudioInput::Stop() { device_->Close(); }

}  // namespace lectavo
