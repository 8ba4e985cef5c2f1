// The names the product states once, as the Wine tests' Win32 calls take them: the main
// dialog's caption and the Today item's window class.
#pragma once

#include "config/config_dialog_controls.h"
#include "platform/win32/wide.h"
#include "today/today_item_class.h"

namespace lectavo::wine {

inline const wchar_t* const kConfigCaption = ApiChars(lectavo::kDialogCaption);
inline const wchar_t* const kItemClass = ApiChars(lectavo::kTodayItemClass);

}  // namespace lectavo::wine
