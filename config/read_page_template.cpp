#include "config/page_template_style.h"
#include "config/read_page.h"

namespace lectavo {
namespace {

// The refinements are indented under the main switch.
constexpr ControlTemplate kControls[] = {
    {1000, ControlKind::kButton, kBsAutoCheckBox, u" Vorlesen aktivieren", 8, 10, 118, 12},
    {1001, ControlKind::kButton, kBsAutoCheckBox, u" ohne Nachfrage vorlesen", 18, 28, 108, 12},
    {1002, ControlKind::kButton, kBsAutoCheckBox, u" Absender vorlesen", 28, 46, 98, 12},
    {1003, ControlKind::kButton, kBsAutoCheckBox, u" Betreff vorlesen", 28, 62, 98, 12},
    {1004, ControlKind::kButton, kBsAutoCheckBox, u" Inhalt vorlesen", 28, 78, 98, 12},
};

}  // namespace

const DialogTemplate kReadPageTemplate{132, kPageStyle, 0, u"", 132, 146, kControls};

}  // namespace lectavo
