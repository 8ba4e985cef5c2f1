// The Answer page's control ids, shared by the page, its template and the tests, and its
// texts in both dialog languages.
#pragma once

#include "config/page_language.h"

namespace lectavo {

enum AnswerPageControl : int {
  kAnswerOnId = 1000,
  kAnswerNoteId = 1007,
  kAnswerOriginalId = 1025,
  kAddressLabelId = 1027,
  kAddressId = 1008,
  kAnswerTimeLabelId = 1028,
  kAnswerTimeId = 1023,
};

inline constexpr LanguageRow kAnswerOnText{kAnswerOnId, u" Antwort-eMail aktivieren",
                                           u" Activating answer to e-mail"};
inline constexpr LanguageRow kAnswerNoteText{kAnswerNoteId, u" Antwort-Hinweis beifügen",
                                             u" Enclosing reference to answer"};
inline constexpr LanguageRow kAnswerOriginalText{kAnswerOriginalId, u" ursprüngl. Text beifügen",
                                                 u" Enclosing original text"};
inline constexpr LanguageRow kAddressLabelText{kAddressLabelId, u"CC an", u"CC to"};
inline constexpr LanguageRow kAnswerTimeLabelText{kAnswerTimeLabelId, u"max. Aufn.dauer [min]",
                                                  u"Max. length of the\nanswer [min]"};

// In the order the English texts are set.
inline constexpr LanguageRow kAnswerPageTexts[] = {
    kAnswerOnText, kAnswerOriginalText, kAnswerNoteText, kAddressLabelText, kAnswerTimeLabelText};

}  // namespace lectavo
