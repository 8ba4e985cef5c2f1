// The Read page's control ids, shared by the page, its template and the tests, and its texts
// in both dialog languages.
#pragma once

#include "config/page_language.h"

namespace lectavo {

enum ReadPageControl : int {
  kReadOnId = 1000,
  kReadUnaskedId = 1001,
  kReadSenderId = 1002,
  kReadSubjectId = 1003,
  kReadContentsId = 1004,
};

inline constexpr LanguageRow kReadOnText{kReadOnId, u" Vorlesen aktivieren", u" Activate reading"};
inline constexpr LanguageRow kReadUnaskedText{kReadUnaskedId, u" ohne Nachfrage vorlesen",
                                              u" Read without demand"};
inline constexpr LanguageRow kReadSenderText{kReadSenderId, u" Absender vorlesen", u" Read sender"};
inline constexpr LanguageRow kReadSubjectText{kReadSubjectId, u" Betreff vorlesen",
                                              u" Read subject"};
inline constexpr LanguageRow kReadContentsText{kReadContentsId, u" Inhalt vorlesen",
                                               u" Read contents"};

inline constexpr LanguageRow kReadPageTexts[] = {kReadOnText, kReadUnaskedText, kReadSenderText,
                                                 kReadSubjectText, kReadContentsText};

}  // namespace lectavo
