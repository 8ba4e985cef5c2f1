// The texts of a page that change with the dialog language, and the one step that shows them.
// Free of the framework's headers, so that the tests driving the real windows can share them.
#pragma once

#include <cstdint>
#include <span>

#include "platform/types.h"

namespace lectavo {

class Dialog;

// One control's text in both languages; the German text is the one its template holds.
struct LanguageRow {
  int id;
  const WChar* german;
  const WChar* english;
};

// When bit 22 of speak asks for English dialogs, puts each row's English text into its
// control, in row order; otherwise the German template texts stay.
void ShowDialogLanguage(Dialog& page, std::span<const LanguageRow> rows, std::uint32_t speak);

}  // namespace lectavo
