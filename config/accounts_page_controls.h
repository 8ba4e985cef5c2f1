// The Accounts page's control ids, shared by the page, its template and the tests, and its
// texts in both dialog languages.
#pragma once

#include "config/page_language.h"

namespace lectavo {

enum AccountsPageControl : int {
  kAccountListId = 1006,
  kAccountHintId = 1014,
};

inline constexpr LanguageRow kAccountHintText{
    kAccountHintId,
    u"Klicken Sie auf die entsprechende\nZeile, um ein Konto für die Sprach-\nausgabe aus- oder "
    u"abzuwählen.",
    u"Select or deselect the appropriate Outlook account for the speech output."};

inline constexpr LanguageRow kAccountsPageTexts[] = {kAccountHintText};

}  // namespace lectavo
