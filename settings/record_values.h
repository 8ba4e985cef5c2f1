// Every value of the settings record in one table: its registry name and type, the most the
// registry holds of it, the range the pages keep it in and its default. The fields of
// ValSpeak that the pages show doubled have a table of their own.
#pragma once

#include <cstdint>

#include "platform/types.h"
#include "settings/bit_fields.h"

namespace lectavo {

// The registry value names.
inline constexpr WChar kValSpeak[] = u"ValSpeak";
inline constexpr WChar kValAlive[] = u"ValAlive";
inline constexpr WChar kValUsedLang[] = u"ValUsedLang";
inline constexpr WChar kValWaitStart[] = u"ValWaitStart";
inline constexpr WChar kValAnswerTime[] = u"ValAnswerTime";
inline constexpr WChar kStrAddressCC[] = u"StrAddressCC";
inline constexpr WChar kStrAccounts[] = u"StrAccounts";
inline constexpr WChar kStrLangPath[] = u"StrLangPath";

enum ValueType { kDwordType, kTextType };

// Texts hold at most 255 characters and their terminator in the registry.
inline constexpr int kMaxTextLength = 255;

// A DWORD is read into 4 bytes, a text into 512: 255 characters and the terminator.
inline constexpr std::uint32_t kDwordBytes = 4;
inline constexpr std::uint32_t kTextBytes = (kMaxTextLength + 1) * sizeof(WChar);

struct RecordValue {
  const WChar* name;
  ValueType type;
  // The most a load reads of the value; a larger one fails to read.
  std::uint32_t bytes;
  // The range the pages keep: numbers of a DWORD, characters of a text.
  std::uint32_t lowest;
  std::uint32_t highest;
  // A DWORD's install default, which also stands in where the value is missing or refused;
  // texts start empty.
  std::uint32_t standard;
};

inline constexpr std::uint32_t kAnyNumber = 0xFFFFFFFF;

// clang-format off
// name, type, bytes, lowest, highest, default. The packed values' ranges are their fields';
// the Answer page keeps one character of StrAddressCC less than a load reads.
inline constexpr RecordValue
    kSpeakValue     {kValSpeak,      kDwordType, kDwordBytes, 0, kAnyNumber,         0xE8323232},
    kUsedLangValue  {kValUsedLang,   kDwordType, kDwordBytes, 0, kAnyNumber,         1},
    kAccountsValue  {kStrAccounts,   kTextType,  kTextBytes,  0, kMaxTextLength,     0},
    kWaitStartValue {kValWaitStart,  kDwordType, kDwordBytes, 1, 99,                 10},
    kAnswerTimeValue{kValAnswerTime, kDwordType, kDwordBytes, 1, 10,                 3},
    kAddressCCValue {kStrAddressCC,  kTextType,  kTextBytes,  0, kMaxTextLength - 1, 0},
    kLangPathValue  {kStrLangPath,   kTextType,  kTextBytes,  0, kMaxTextLength,     0},
    kAliveValue     {kValAlive,      kDwordType, kDwordBytes, 0, kAnyNumber,         0};
// clang-format on

inline constexpr RecordValue kRecordValues[] = {
    kSpeakValue,      kUsedLangValue,  kAccountsValue, kWaitStartValue,
    kAnswerTimeValue, kAddressCCValue, kLangPathValue, kAliveValue,
};

// A field of ValSpeak that the pages show doubled: the range shown, and the half stored for
// any value outside it, which is also its install default.
struct HalvedField {
  const WChar* shownName;
  const WChar* name;
  BitField half;
  std::uint32_t lowest;
  std::uint32_t highest;
  std::uint32_t standardHalf;
};

inline constexpr HalvedField kSpeedField{u"Speed", u"SpeedHalf", SpeedHalf, 20, 500, 50};
inline constexpr HalvedField kPitchField{u"Pitch", u"PitchHalf", PitchHalf, 50, 200, 50};
inline constexpr HalvedField kVolumeField{u"Volume", u"VolumeHalf", VolumeHalf, 0, 100, 50};

inline constexpr HalvedField kHalvedFields[] = {kSpeedField, kPitchField, kVolumeField};

// The install defaults by name, as the setup writes them.
inline constexpr std::uint32_t kDefaultSpeak = kSpeakValue.standard;
inline constexpr std::uint32_t kDefaultUsedLang = kUsedLangValue.standard;
inline constexpr std::uint32_t kDefaultWaitStart = kWaitStartValue.standard;
inline constexpr std::uint32_t kDefaultAnswerTime = kAnswerTimeValue.standard;

static_assert(SpeedHalf.Get(kDefaultSpeak) == kSpeedField.standardHalf &&
                  PitchHalf.Get(kDefaultSpeak) == kPitchField.standardHalf &&
                  VolumeHalf.Get(kDefaultSpeak) == kVolumeField.standardHalf,
              "the install default holds each field's default half");

}  // namespace lectavo
