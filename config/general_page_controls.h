// The General page's control ids, shared by the page, its template and the tests, and its
// texts in both dialog languages.
#pragma once

#include "config/page_language.h"

namespace lectavo {

enum GeneralPageControl : int {
  kDialogLanguageId = 1023,
  kWaitStartLabelId = 1024,
  kWaitStartId = 1008,
};

inline constexpr LanguageRow kWaitStartLabelText{
    kWaitStartLabelId, u"Wartezeit n. Neustart (1..99s)", u"Wait after restart (1..99 sec)"};

inline constexpr LanguageRow kGeneralPageTexts[] = {kWaitStartLabelText};

}  // namespace lectavo
