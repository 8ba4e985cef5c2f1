#include "config/about_page.h"
#include "config/page_template_style.h"

namespace lectavo {
namespace {

constexpr ControlTemplate kControls[] = {
    {kNoControlId, ControlKind::kStatic, kSsCenter,
     u"Lectavo\n\nVersion  2.2.1\n\n2004 - 2007\n\nORBA GmbH", 4, 8, 124, 58},
    {kNoControlId, ControlKind::kStatic, kSsCenter,
     u"Erhältlich im Fachhandel\nund direkt bei ORBA GmbH", 4, 84, 124, 20},
};

}  // namespace

const DialogTemplate kAboutPageTemplate{131, kPageStyle, 0, u"", 132, 142, kControls};

}  // namespace lectavo
