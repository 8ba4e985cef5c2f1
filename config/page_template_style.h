// What every settings page's template shares: a child window without caption, laid over the
// tab control's display area.
#pragma once

#include "framework/window_messages.h"

namespace lectavo {

inline constexpr std::uint32_t kPageStyle = kWsChild | kDsSetFont;

}  // namespace lectavo
