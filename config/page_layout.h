// A page laid on a display area wider than its template uses the width: controls that span the
// page grow with it, controls at its right edge move along, centred ones stay in the middle.
#pragma once

#include "framework/dialog.h"
#include "framework/dialog_template.h"

namespace lectavo {

enum class Follow { kStays, kWidens, kMoves, kCentres };

// How a control of a page pageWidth dialog units wide follows a wider page.
Follow HorizontalFollow(const ControlTemplate& control, int pageWidth);

// Lays out the page's controls for extraPixels more width than its template has.
void WidenPage(Dialog& page, int extraPixels);

}  // namespace lectavo
