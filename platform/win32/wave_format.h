// The one sound format of the wave-out and wave-in devices: PCM, 16-bit mono.
#pragma once

#include <windows.h>
// After windows.h, which it builds on.
#include <mmsystem.h>

namespace lectavo {

inline WAVEFORMATEX MonoPcm16(int sampleRate) {
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 1;
  format.nSamplesPerSec = static_cast<DWORD>(sampleRate);
  format.wBitsPerSample = 16;
  format.nBlockAlign = 2;
  format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
  return format;
}

}  // namespace lectavo
