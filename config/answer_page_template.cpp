#include "config/answer_page.h"
#include "config/answer_page_controls.h"
#include "config/page_template_style.h"
#include "settings/record_values.h"

namespace lectavo {
namespace {

constexpr const WChar* kMinutes[] = {u" 1", u" 2", u" 3", u" 4", u" 5",
                                     u" 6", u" 7", u" 8", u" 9", u"10"};
static_assert(std::size(kMinutes) == kAnswerTimeValue.highest - kAnswerTimeValue.lowest + 1,
              "one item for every minute of the answer time's range");

// The two enclosures are indented under the main switch.
constexpr ControlTemplate kControls[] = {
    {kAnswerOnId, ControlKind::kButton, kBsAutoCheckBox, kAnswerOnText.german, 4, 10, 126, 12},
    {kAnswerNoteId, ControlKind::kButton, kBsAutoCheckBox, kAnswerNoteText.german, 14, 28, 116, 12},
    {kAnswerOriginalId, ControlKind::kButton, kBsAutoCheckBox, kAnswerOriginalText.german, 14, 46,
     116, 12},
    {kAddressLabelId, ControlKind::kStatic, kSsLeft, kAddressLabelText.german, 4, 70, 24, 10},
    {kAddressId, ControlKind::kEdit, kEsAutoHScroll | kWsBorder, u"", 30, 68, 100, 12},
    {kAnswerTimeLabelId, ControlKind::kStatic, kSsLeft, kAnswerTimeLabelText.german, 4, 90, 84, 20},
    {kAnswerTimeId, ControlKind::kComboBox, kCbsDropDown | kWsVScroll, u"", 92, 89, 38, 80,
     kMinutes},
};

}  // namespace

const DialogTemplate kAnswerPageTemplate{137, kPageStyle, 0, u"", 132, 142, kControls};

}  // namespace lectavo
