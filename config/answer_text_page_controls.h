// The Answer text page's control ids, shared by the page, its template and the tests, and its
// texts in both dialog languages.
#pragma once

#include "config/page_language.h"
#include "framework/window_messages.h"

namespace lectavo {

enum AnswerTextPageControl : int {
  // Names the note for a screen reader, which takes an edit's name from the label before it.
  kNoteLabelId = 1029,
  kNoteFieldId = 1008,
  // The dialog's OK id: the page takes it over to save.
  kSaveNoteId = kIdOkButton,
};

inline constexpr LanguageRow kNoteLabelText{kNoteLabelId, u"Antworttext:", u"Text for answer:"};
inline constexpr LanguageRow kSaveNoteText{kSaveNoteId, u"Antworttext speichern",
                                           u"Save text for answer"};

inline constexpr LanguageRow kAnswerTextPageTexts[] = {kNoteLabelText, kSaveNoteText};

}  // namespace lectavo
