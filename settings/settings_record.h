// The in-memory copies of the registry settings; the table of their values and the bit
// fields come with them.
#pragma once

#include <cstdint>

#include "platform/types.h"
#include "settings/record_values.h"

namespace lectavo {

// The full record of the configuration program, the setup library and the toggles.
struct SettingsRecord {
  std::uint32_t ValSpeak = 0;
  std::uint32_t ValAlive = 0;
  std::uint32_t ValUsedLang = 0;
  std::uint32_t ValWaitStart = 0;   // seconds
  std::uint32_t ValAnswerTime = 0;  // minutes
  WChar StrAddressCC[kMaxTextLength + 1] = {};
  WChar StrAccounts[kMaxTextLength + 1] = {};
  WChar StrLangPath[260] = {};
};

// The Today item reads only these.
struct TodaySettings {
  std::uint32_t ValSpeak = 0;
  std::uint32_t ValUsedLang = 0;
  WChar StrAccounts[kMaxTextLength + 1] = {};
};

// The launcher reads only these.
struct LauncherSettings {
  std::uint32_t ValSpeak = 0;
  std::uint32_t ValAlive = 0;
  std::uint32_t ValUsedLang = 0;
  std::uint32_t ValWaitStart = 0;
  WChar StrAccounts[kMaxTextLength + 1] = {};
};

}  // namespace lectavo
