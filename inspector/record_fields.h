// The named parts of the settings record that the inspector shows and changes.
#pragma once

#include "settings/settings_record.h"

namespace lectavo {

struct NamedField {
  const WChar* name;
  BitField field;
};

// Fields of ValSpeak stored as half of what the pages show, with the range the pages accept.
struct ScaledField {
  const WChar* shownName;
  const WChar* name;
  BitField field;
  unsigned shownMin;
  unsigned shownMax;
};

inline constexpr ScaledField kScaledFields[] = {
    {u"Speed", u"SpeedHalf", SpeedHalf, 20, 500},
    {u"Pitch", u"PitchHalf", PitchHalf, 50, 200},
    {u"Volume", u"VolumeHalf", VolumeHalf, 0, 100},
};

inline constexpr NamedField kSpeakFlags[] = {
    {u"FlagDialogEnglish", FlagDialogEnglish}, {u"FlagAnswerOn", FlagAnswerOn},
    {u"FlagAnswerNote", FlagAnswerNote},       {u"FlagAnswerOriginal", FlagAnswerOriginal},
    {u"FlagMaleVoice", FlagMaleVoice},         {u"FlagReadOn", FlagReadOn},
    {u"FlagReadUnasked", FlagReadUnasked},     {u"FlagReadSender", FlagReadSender},
    {u"FlagReadSubject", FlagReadSubject},     {u"FlagReadContents", FlagReadContents},
};

inline constexpr NamedField kUsedLangFields[] = {
    {u"LangNumber", LangNumber},
    {u"LangListPos", LangListPos},
};

}  // namespace lectavo
