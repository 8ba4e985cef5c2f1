// What the main dialog shows and others find it by: its caption, its tabs in their order and
// its one control id, shared by the dialog, the tests and the device tool.
#pragma once

#include <cstddef>

#include "platform/types.h"

namespace lectavo {

inline constexpr WChar kDialogCaption[] = u"  Lectavo";

inline constexpr int kTabControlId = 999;

// The tabs in their order: a tab's position in the tab control, counted from 0.
enum TabPosition : int {
  kGeneralTab,     // "Allgemein" / "General"
  kReadTab,        // "Vorlesen" / "Read"
  kAnswerTab,      // "Antworten" / "Answer"
  kAnswerTextTab,  // "Antwort-Text" / "Text for answer"
  kSpeakTab,       // "Sprechen" / "Speak"
  kAccountsTab,    // "Konten" / "Accounts"
  kAboutTab,       // "Info" / "About"
  kTabCount
};

// True when a table has one row per tab, each naming its tab, in tab order.
template <class Row, std::size_t N>
constexpr bool InTabOrder(const Row (&rows)[N]) {
  if (N != kTabCount) return false;
  for (std::size_t position = 0; position < N; ++position) {
    if (rows[position].tab != static_cast<int>(position)) return false;
  }
  return true;
}

}  // namespace lectavo
