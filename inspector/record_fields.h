// The named parts of the settings record that the inspector shows and changes; the halved
// fields of ValSpeak are in the record's table of values.
#pragma once

#include "settings/settings_record.h"

namespace lectavo {

struct NamedField {
  const WChar* name;
  BitField field;
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
