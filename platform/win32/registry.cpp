#include <windows.h>

#include "platform/win32/win32_roles.h"
#include "platform/win32/wide.h"

namespace lectavo {
namespace {

HKEY AsKey(Handle key) { return reinterpret_cast<HKEY>(key); }

class Win32Registry final : public Registry {
 public:
  bool OpenKey(WStringView subKey, std::uint32_t access, Handle* key) override {
    const ApiName name(subKey);
    HKEY opened = nullptr;
    if (!name.Fits() ||
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, name.c_str(), 0, access, &opened) != ERROR_SUCCESS) {
      return false;
    }
    *key = reinterpret_cast<Handle>(opened);
    return true;
  }

  bool CreateKey(WStringView subKey, std::uint32_t access, Handle* key) override {
    const ApiName name(subKey);
    HKEY opened = nullptr;
    DWORD disposition = 0;
    if (!name.Fits() || RegCreateKeyExW(HKEY_LOCAL_MACHINE, name.c_str(), 0, nullptr, 0, access,
                                        nullptr, &opened, &disposition) != ERROR_SUCCESS) {
      return false;
    }
    *key = reinterpret_cast<Handle>(opened);
    return true;
  }

  bool QueryValue(Handle key, WStringView name, std::uint32_t* type, void* data,
                  std::uint32_t* byteCount) override {
    const ApiName valueName(name);
    if (!valueName.Fits()) return false;
    DWORD valueType = 0;
    DWORD size = *byteCount;
    const LONG result = RegQueryValueExW(AsKey(key), valueName.c_str(), nullptr, &valueType,
                                         static_cast<BYTE*>(data), &size);
    if (result != ERROR_SUCCESS) return false;
    *type = valueType;
    *byteCount = size;
    return true;
  }

  bool SetValue(Handle key, WStringView name, std::uint32_t type, const void* data,
                std::uint32_t byteCount) override {
    const ApiName valueName(name);
    return valueName.Fits() &&
           RegSetValueExW(AsKey(key), valueName.c_str(), 0, type, static_cast<const BYTE*>(data),
                          byteCount) == ERROR_SUCCESS;
  }

  bool CloseKey(Handle key) override { return RegCloseKey(AsKey(key)) == ERROR_SUCCESS; }
};

// Built before the program starts (it holds nothing), so no guard of the C++ runtime is linked.
Win32Registry registry;

}  // namespace

Registry& SystemRegistry() { return registry; }

}  // namespace lectavo
