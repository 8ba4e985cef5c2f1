// The speech languages the reading service knows, by their 1-based table position
// (LangNumber). Names are 8-bit text in the device's ANSI code page; positions 12 to 16 have
// none and are not offered.
#pragma once

namespace lectavo {

struct LanguageName {
  const char* german;
  const char* english;
};

inline constexpr int kLanguageCount = 20;

inline constexpr LanguageName kLanguageTable[kLanguageCount] = {
    {"Deutsch", "German"},
    {"Englisch", "English"},
    {"Franz\xF6sisch", "French"},
    {"Spanisch", "Spanish"},
    {"Italienisch", "Italian"},
    {"Niederl\xE4ndisch", "Dutch"},
    {"Portugiesisch", "Portuguese"},
    {"Schwedisch", "Swedish"},
    {"Russisch", "Russian"},
    {"Polnisch", "Polish"},
    {"Chinesisch", "Chinese"},
    {"", ""},
    {"", ""},
    {"", ""},
    {"", ""},
    {"", ""},
    {"Deutsch/Englisch", "German/English"},
    {"Franz./Englisch", "French/English"},
    {"Spanisch/Englisch", "Spanish/English"},
    {"Italienisch/Englisch", "Italian/English"},
};

// Whether the table position (1..20) has a name and so is offered for choice.
constexpr bool IsOfferedLanguage(int position) {
  return position >= 1 && position <= kLanguageCount &&
         kLanguageTable[position - 1].german[0] != '\0';
}

// The 0-based position of a table position among the offered ones; -1 when not offered.
constexpr int LanguageListPosition(int position) {
  if (!IsOfferedLanguage(position)) return -1;
  int listPosition = 0;
  for (int j = 1; j < position; ++j) listPosition += IsOfferedLanguage(j) ? 1 : 0;
  return listPosition;
}

}  // namespace lectavo
