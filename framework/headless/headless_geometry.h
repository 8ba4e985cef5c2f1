// How the headless windows are laid out: dialog units, frames and the tab control's margins.
#pragma once

#include "framework/window_system.h"

namespace lectavo::headless {

// A dialog unit is taken as two pixels; a dialog's frame and caption as on a desktop.
inline constexpr int kPixelsPerDialogUnit = 2;
inline constexpr int kFrame = 3;
inline constexpr int kCaption = 20;
// What TCM_ADJUSTRECT takes off a tab control's window rectangle for its display area.
inline constexpr Rect kTabMargins{2, 22, 2, 2};

inline Rect Offset(Rect rect, int dx, int dy) {
  return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

// The top-left corner of the client area; only a top-level dialog has a frame and caption.
inline Point ClientOrigin(const Rect& rect, bool framed) {
  return framed ? Point{rect.left + kFrame, rect.top + kFrame + kCaption}
                : Point{rect.left, rect.top};
}

}  // namespace lectavo::headless
