#include "config/accounts_page.h"
#include "config/accounts_page_controls.h"
#include "config/page_template_style.h"

namespace lectavo {
namespace {

// The hint comes first in the tab order, though it stands below the list: a screen reader
// names a list by the label before it.
constexpr ControlTemplate kControls[] = {
    {kAccountHintId, ControlKind::kStatic, kSsLeft, kAccountHintText.german, 4, 102, 126, 40},
    {kAccountListId, ControlKind::kListBox,
     kLbsNotify | kLbsMultipleSel | kWsVScroll | kWsHScroll | kWsBorder, u"", 4, 4, 126, 92},
};

}  // namespace

const DialogTemplate kAccountsPageTemplate{133, kPageStyle, 0, u"", 134, 146, kControls};

}  // namespace lectavo
