// The named parts of the settings record that the inspector shows and changes; the halved
// fields of ValSpeak are in the record's table of values.
#pragma once

#include <cstdint>
#include <optional>

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

// A field by its name: which value holds it and where. A halved field goes by two names: its
// stored half (SpeedHalf) and the value the Speak page shows (Speed), which is twice that.
struct FoundField {
  BitField field;
  std::uint32_t SettingsRecord::*value;
  const WChar* valueName;
  const HalvedField* halved = nullptr;  // for a halved field
  bool shown = false;                   // named by the value the page shows
};

inline std::optional<FoundField> FindField(WStringView name) {
  for (const HalvedField& halved : kHalvedFields) {
    if (name == halved.name || name == halved.shownName) {
      return FoundField{halved.half, &SettingsRecord::ValSpeak, kValSpeak, &halved,
                        name == halved.shownName};
    }
  }
  for (const NamedField& flag : kSpeakFlags) {
    if (name == flag.name) return FoundField{flag.field, &SettingsRecord::ValSpeak, kValSpeak};
  }
  for (const NamedField& field : kUsedLangFields) {
    if (name == field.name)
      return FoundField{field.field, &SettingsRecord::ValUsedLang, kValUsedLang};
  }
  return std::nullopt;
}

}  // namespace lectavo
