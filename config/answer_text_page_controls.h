// The Answer text page's control ids, shared by the page, its template and the tests, and its
// texts in both dialog languages.
#pragma once

#include "config/page_language.h"
#include "framework/window_messages.h"

namespace lectavo {

enum AnswerTextPageControl : int {
  kNoteFieldId = 1008,
  // The dialog's OK id: the page takes it over to save.
  kSaveNoteId = kIdOkButton,
};

inline constexpr LanguageRow kSaveNoteText{kSaveNoteId, u"Antworttext speichern",
                                           u"Save text for answer"};

inline constexpr LanguageRow kAnswerTextPageTexts[] = {kSaveNoteText};

}  // namespace lectavo
