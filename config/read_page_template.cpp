#include "config/page_template_style.h"
#include "config/read_page.h"
#include "config/read_page_controls.h"

namespace lectavo {
namespace {

// The refinements are indented under the main switch.
constexpr ControlTemplate kControls[] = {
    {kReadOnId, ControlKind::kButton, kBsAutoCheckBox, kReadOnText.german, 8, 10, 118, 12},
    {kReadUnaskedId, ControlKind::kButton, kBsAutoCheckBox, kReadUnaskedText.german, 18, 28, 108,
     12},
    {kReadSenderId, ControlKind::kButton, kBsAutoCheckBox, kReadSenderText.german, 28, 46, 98, 12},
    {kReadSubjectId, ControlKind::kButton, kBsAutoCheckBox, kReadSubjectText.german, 28, 62, 98,
     12},
    {kReadContentsId, ControlKind::kButton, kBsAutoCheckBox, kReadContentsText.german, 28, 78, 98,
     12},
};

}  // namespace

const DialogTemplate kReadPageTemplate{132, kPageStyle, 0, u"", 132, 146, kControls};

}  // namespace lectavo
