// The bit fields of ValSpeak and ValUsedLang.
#pragma once

#include <cstdint>

namespace lectavo {

// A run of bits inside a 32-bit value.
struct BitField {
  unsigned shift;
  unsigned width;

  constexpr std::uint32_t Mask() const {
    return (width >= 32 ? ~0u : ((1u << width) - 1u)) << shift;
  }
  constexpr std::uint32_t Get(std::uint32_t value) const { return (value & Mask()) >> shift; }
  // The value with this field replaced by the low bits of field; every other bit kept.
  constexpr std::uint32_t Set(std::uint32_t value, std::uint32_t field) const {
    return (value & ~Mask()) | ((field << shift) & Mask());
  }
};

// ValSpeak. Bit 15 is unused and stays as loaded.
inline constexpr BitField SpeedHalf{0, 8};
inline constexpr BitField PitchHalf{8, 7};
inline constexpr BitField VolumeHalf{16, 6};
inline constexpr BitField FlagDialogEnglish{22, 1};
inline constexpr BitField FlagAnswerOn{23, 1};
inline constexpr BitField FlagAnswerNote{24, 1};
inline constexpr BitField FlagAnswerOriginal{25, 1};
inline constexpr BitField FlagMaleVoice{26, 1};
inline constexpr BitField FlagReadOn{27, 1};
inline constexpr BitField FlagReadUnasked{28, 1};
inline constexpr BitField FlagReadSender{29, 1};
inline constexpr BitField FlagReadSubject{30, 1};
inline constexpr BitField FlagReadContents{31, 1};

// ValUsedLang.
inline constexpr BitField LangNumber{0, 6};
inline constexpr BitField LangListPos{6, 26};

}  // namespace lectavo
