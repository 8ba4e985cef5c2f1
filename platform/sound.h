// Sound role: PlaySound with a file name.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace lectavo {

inline constexpr std::uint32_t kSndFilename = 0x00020000;  // SND_FILENAME
inline constexpr std::uint32_t kSndNoDefault = 0x0002;     // SND_NODEFAULT

class Sound {
 public:
  virtual ~Sound() = default;

  // Without SND_ASYNC it returns when the sound has ended.
  virtual bool Play(WStringView path, std::uint32_t flags) = 0;
};

}  // namespace lectavo
