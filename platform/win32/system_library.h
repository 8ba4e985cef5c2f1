// Libraries the product loads by name, such as the device's messaging library: taken from the
// device's system folder or the program's own folder, never from the current folder, where
// anyone may have put a library of that name.
#pragma once

#include <windows.h>

namespace lectavo {

// The library of that plain file name, and the libraries it needs, from those two folders
// only; nullptr when neither holds it or the name has a folder part.
HMODULE LoadSystemLibrary(const wchar_t* name);

}  // namespace lectavo
