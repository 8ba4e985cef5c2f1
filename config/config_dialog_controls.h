// The main dialog's one control id, shared by the dialog and the tests.
#pragma once

namespace lectavo {

inline constexpr int kTabControlId = 999;

}  // namespace lectavo
