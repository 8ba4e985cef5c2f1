#include "platform/win32/system_library.h"

#include <cwchar>

namespace lectavo {

HMODULE LoadSystemLibrary(const wchar_t* name) {
  // A folder part would let the caller's text choose the folder after all.
  if (name == nullptr || std::wcspbrk(name, L"\\/:") != nullptr) return nullptr;
  return LoadLibraryExW(name, nullptr,
                        LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace lectavo
