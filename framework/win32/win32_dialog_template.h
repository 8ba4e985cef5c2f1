// A dialog template of the framework as the dialog manager reads it from memory.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/dialog_template.h"

namespace lectavo {

// A DLGTEMPLATEEX, DWORD-aligned; child: laid inside another dialog as a page.
std::vector<DWORD> BuildTemplate(const DialogTemplate& t, bool child);

}  // namespace lectavo
