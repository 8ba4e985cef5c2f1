// The class of the Today item's window, which is also its title: the Today screen's tests and
// the device tool find the item by it. A literal, so that the library's string table, which
// the item reads it from, states it too.
#pragma once

#define LECTAVO_TODAY_ITEM_CLASS "Lectavo Service"

#ifndef RC_INVOKED
#include "platform/types.h"

namespace lectavo {

inline constexpr WChar kTodayItemClass[] = u"" LECTAVO_TODAY_ITEM_CLASS;

}  // namespace lectavo
#endif
