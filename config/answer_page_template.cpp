#include "config/answer_page.h"
#include "config/page_template_style.h"

namespace lectavo {
namespace {

constexpr const WChar* kMinutes[] = {u" 1", u" 2", u" 3", u" 4", u" 5",
                                     u" 6", u" 7", u" 8", u" 9", u"10"};

// The two enclosures are indented under the main switch.
constexpr ControlTemplate kControls[] = {
    {1000, ControlKind::kButton, kBsAutoCheckBox, u" Antwort-eMail aktivieren", 4, 10, 126, 12},
    {1007, ControlKind::kButton, kBsAutoCheckBox, u" Antwort-Hinweis beifügen", 14, 28, 116, 12},
    {1025, ControlKind::kButton, kBsAutoCheckBox, u" ursprüngl. Text beifügen", 14, 46, 116, 12},
    {1027, ControlKind::kStatic, kSsLeft, u"CC an", 4, 70, 24, 10},
    {1008, ControlKind::kEdit, kEsAutoHScroll | kWsBorder, u"", 30, 68, 100, 12},
    {1028, ControlKind::kStatic, kSsLeft, u"max. Aufn.dauer [min]", 4, 90, 84, 20},
    {1023, ControlKind::kComboBox, kCbsDropDown | kWsVScroll, u"", 92, 89, 38, 80, kMinutes},
};

}  // namespace

const DialogTemplate kAnswerPageTemplate{137, kPageStyle, 0, u"", 132, 142, kControls};

}  // namespace lectavo
