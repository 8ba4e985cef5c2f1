// The Answer text page's control ids, shared by the page, its template and the tests, and its
// texts in both dialog languages.
#pragma once

#include "config/page_language.h"
#include "framework/window_messages.h"

namespace lectavo {

inline constexpr int kNoteFieldId = 1008;
// The dialog's OK id: the page takes it over to save.
inline constexpr int kSaveNoteId = kIdOkButton;

inline constexpr LanguageRow kSaveNoteText{kSaveNoteId, u"Antworttext speichern",
                                           u"Save text for answer"};

inline constexpr LanguageRow kAnswerTextPageTexts[] = {kSaveNoteText};

}  // namespace lectavo
