// An in-memory HKEY_LOCAL_MACHINE that behaves as the real one where the settings rely on
// it: a value larger than the caller's buffer fails and leaves the buffer untouched, the
// stored type is not examined on reading, keys and value names ignore letter case, a key
// opened for querying cannot be written.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "tests/support/faults.h"

namespace lectavo::fake {

class FakeRegistry final : public Registry {
 public:
  struct Value {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> bytes;
  };

  // Operations: OpenKey, CreateKey, QueryValue, SetValue, CloseKey (argument: key or value name).
  Faults faults;
  // Every call in order, e.g. "CreateKey SOFTWARE\ORBA-GMBH\Lectavo\ 0x20006", "SetValue ValSpeak".
  std::vector<std::string> log;

  // Direct access for tests; bypasses faults and the log.
  void PutKey(WStringView key);
  void PutDword(WStringView key, WStringView name, std::uint32_t value);
  // REG_SZ with its terminator.
  void PutText(WStringView key, WStringView name, WStringView text);
  void PutRaw(WStringView key, WStringView name, std::uint32_t type,
              std::vector<std::uint8_t> bytes);
  void Remove(WStringView key, WStringView name);
  bool HasKey(WStringView key) const;
  std::optional<Value> Get(WStringView key, WStringView name) const;
  std::optional<std::uint32_t> Dword(WStringView key, WStringView name) const;
  // The text up to its terminator.
  std::optional<WString> Text(WStringView key, WStringView name) const;
  int OpenKeys() const { return static_cast<int>(open_.size()); }

  bool OpenKey(WStringView subKey, std::uint32_t access, Handle* key) override;
  bool CreateKey(WStringView subKey, std::uint32_t access, Handle* key) override;
  bool QueryValue(Handle key, WStringView name, std::uint32_t* type, void* data,
                  std::uint32_t* byteCount) override;
  bool SetValue(Handle key, WStringView name, std::uint32_t type, const void* data,
                std::uint32_t byteCount) override;
  bool CloseKey(Handle key) override;

 private:
  struct OpenKeyState {
    WString path;
    std::uint32_t access;
  };
  static WString KeyPath(WStringView key);

  std::map<WString, std::map<WString, Value>> keys_;
  std::map<Handle, OpenKeyState> open_;
  Handle nextHandle_ = 0x100;
};

}  // namespace lectavo::fake
