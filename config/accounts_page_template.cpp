#include "config/accounts_page.h"
#include "config/accounts_page_controls.h"
#include "config/page_template_style.h"

namespace lectavo {
namespace {

constexpr ControlTemplate kControls[] = {
    {kAccountListId, ControlKind::kListBox,
     kLbsNotify | kLbsMultipleSel | kWsVScroll | kWsHScroll | kWsBorder,
     u"", 4, 4, 126, 92},
    {kAccountHintId, ControlKind::kStatic, kSsLeft, kAccountHintText.german, 4, 102, 126, 40},
};

}  // namespace

const DialogTemplate kAccountsPageTemplate{133, kPageStyle, 0, u"", 134, 146, kControls};

}  // namespace lectavo
