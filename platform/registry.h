// Registry role: RegOpenKeyEx / RegCreateKeyEx / RegQueryValueEx / RegSetValueEx / RegCloseKey
// under HKEY_LOCAL_MACHINE.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace lectavo {

inline constexpr std::uint32_t kKeyQueryValue = 0x0001;  // KEY_QUERY_VALUE
inline constexpr std::uint32_t kKeyWrite = 0x20006;      // KEY_WRITE

inline constexpr std::uint32_t kRegSz = 1;     // REG_SZ
inline constexpr std::uint32_t kRegDword = 4;  // REG_DWORD

class Registry {
 public:
  virtual ~Registry() = default;

  // Opens an existing key below HKEY_LOCAL_MACHINE; never creates it.
  virtual bool OpenKey(WStringView subKey, std::uint32_t access, Handle* key) = 0;
  // Opens the key, creating it (and its parents) when it does not exist.
  virtual bool CreateKey(WStringView subKey, std::uint32_t access, Handle* key) = 0;
  // On entry *byteCount is the buffer's capacity; on success it is the number of bytes
  // stored. A value larger than the buffer fails and leaves the buffer untouched.
  virtual bool QueryValue(Handle key, WStringView name, std::uint32_t* type, void* data,
                          std::uint32_t* byteCount) = 0;
  virtual bool SetValue(Handle key, WStringView name, std::uint32_t type, const void* data,
                        std::uint32_t byteCount) = 0;
  virtual bool CloseKey(Handle key) = 0;
};

}  // namespace lectavo
