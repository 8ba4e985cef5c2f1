#include "config/page_layout.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "framework/window_messages.h"

namespace lectavo {
namespace {

// A control ending this close to the page's right edge belongs to that edge; a control this
// close to the middle is centred. Dialog units.
constexpr int kEdgeMargin = 8;
constexpr int kCentreSlack = 2;

}  // namespace

Follow HorizontalFollow(const ControlTemplate& control, int pageWidth) {
  const int left = control.x;
  const int right = control.x + control.cx;
  if (right >= pageWidth - kEdgeMargin) {
    return 2 * left < pageWidth ? Follow::kWidens : Follow::kMoves;
  }
  if (std::abs(left + right - pageWidth) <= 2 * kCentreSlack) return Follow::kCentres;
  return Follow::kStays;
}

void WidenPage(Dialog& page, int extraPixels) {
  if (extraPixels <= 0) return;
  WindowSystem& system = page.System();
  const DialogTemplate& t = page.Template();
  const std::vector<Handle> children = system.Children(page.GetSafeHwnd());
  const std::size_t count = std::min(children.size(), t.controls.size());
  for (std::size_t i = 0; i < count; ++i) {
    Rect r;
    if (!system.GetWindowRect(children[i], &r)) continue;
    Point corner{r.left, r.top};
    system.ScreenToClient(page.GetSafeHwnd(), &corner);
    Rect placed{corner.x, corner.y, corner.x + r.right - r.left, corner.y + r.bottom - r.top};
    switch (HorizontalFollow(t.controls[i], t.cx)) {
      case Follow::kStays:
        continue;
      case Follow::kWidens:
        placed.right += extraPixels;
        break;
      case Follow::kMoves:
        placed.left += extraPixels;
        placed.right += extraPixels;
        break;
      case Follow::kCentres:
        placed.left += extraPixels / 2;
        placed.right += extraPixels / 2;
        break;
    }
    system.SetWindowPos(children[i], kNoHandle, placed, kSwpNoZOrder);
  }
}

}  // namespace lectavo
