#include "tests/support/fake_registry.h"

#include <cstring>
#include <sstream>

#include "tests/support/text.h"

namespace lectavo::fake {
namespace {

constexpr std::uint32_t kKeySetValue = 0x0002;

std::string Hex(std::uint32_t value) {
  std::ostringstream out;
  out << "0x" << std::hex << value;
  return out.str();
}

}  // namespace

WString FakeRegistry::KeyPath(WStringView key) {
  WString path = Folded(key);
  while (!path.empty() && path.back() == u'\\') path.pop_back();
  return path;
}

void FakeRegistry::PutKey(WStringView key) {
  // Parents come into being with their children, as RegCreateKeyEx makes them.
  WString path = KeyPath(key);
  for (std::size_t at = path.find(u'\\'); at != WString::npos; at = path.find(u'\\', at + 1)) {
    keys_[path.substr(0, at)];
  }
  keys_[path];
}

void FakeRegistry::PutDword(WStringView key, WStringView name, std::uint32_t value) {
  std::vector<std::uint8_t> bytes(4);
  std::memcpy(bytes.data(), &value, 4);
  PutRaw(key, name, kRegDword, std::move(bytes));
}

void FakeRegistry::PutText(WStringView key, WStringView name, WStringView text) {
  std::vector<std::uint8_t> bytes((text.size() + 1) * sizeof(WChar), 0);
  std::memcpy(bytes.data(), text.data(), text.size() * sizeof(WChar));
  PutRaw(key, name, kRegSz, std::move(bytes));
}

void FakeRegistry::PutRaw(WStringView key, WStringView name, std::uint32_t type,
                          std::vector<std::uint8_t> bytes) {
  PutKey(key);
  keys_[KeyPath(key)][Folded(name)] = Value{type, std::move(bytes)};
}

void FakeRegistry::Remove(WStringView key, WStringView name) {
  if (auto found = keys_.find(KeyPath(key)); found != keys_.end()) found->second.erase(Folded(name));
}

bool FakeRegistry::HasKey(WStringView key) const { return keys_.count(KeyPath(key)) != 0; }

std::optional<FakeRegistry::Value> FakeRegistry::Get(WStringView key, WStringView name) const {
  auto found = keys_.find(KeyPath(key));
  if (found == keys_.end()) return std::nullopt;
  auto value = found->second.find(Folded(name));
  if (value == found->second.end()) return std::nullopt;
  return value->second;
}

std::optional<std::uint32_t> FakeRegistry::Dword(WStringView key, WStringView name) const {
  auto value = Get(key, name);
  if (!value || value->bytes.size() != 4) return std::nullopt;
  std::uint32_t result = 0;
  std::memcpy(&result, value->bytes.data(), 4);
  return result;
}

std::optional<WString> FakeRegistry::Text(WStringView key, WStringView name) const {
  auto value = Get(key, name);
  if (!value) return std::nullopt;
  WString text(value->bytes.size() / sizeof(WChar), u'\0');
  std::memcpy(text.data(), value->bytes.data(), text.size() * sizeof(WChar));
  return text.substr(0, text.find(u'\0'));
}

bool FakeRegistry::OpenKey(WStringView subKey, std::uint32_t access, Handle* key) {
  log.push_back("OpenKey " + Narrow(subKey) + " " + Hex(access));
  if (faults.Fails("OpenKey", subKey) || !HasKey(subKey)) return false;
  *key = nextHandle_++;
  open_[*key] = {KeyPath(subKey), access};
  return true;
}

bool FakeRegistry::CreateKey(WStringView subKey, std::uint32_t access, Handle* key) {
  log.push_back("CreateKey " + Narrow(subKey) + " " + Hex(access));
  if (faults.Fails("CreateKey", subKey)) return false;
  PutKey(subKey);
  *key = nextHandle_++;
  open_[*key] = {KeyPath(subKey), access};
  return true;
}

bool FakeRegistry::QueryValue(Handle key, WStringView name, std::uint32_t* type, void* data,
                              std::uint32_t* byteCount) {
  log.push_back("QueryValue " + Narrow(name) + " " + std::to_string(*byteCount));
  if (faults.Fails("QueryValue", name)) return false;
  auto open = open_.find(key);
  if (open == open_.end()) return false;
  auto value = Get(open->second.path, name);
  if (!value) return false;
  const auto size = static_cast<std::uint32_t>(value->bytes.size());
  if (data != nullptr) {
    if (size > *byteCount) return false;  // ERROR_MORE_DATA: the buffer stays untouched
    if (size > 0) std::memcpy(data, value->bytes.data(), size);
  }
  *type = value->type;
  *byteCount = size;
  return true;
}

bool FakeRegistry::SetValue(Handle key, WStringView name, std::uint32_t type, const void* data,
                            std::uint32_t byteCount) {
  log.push_back("SetValue " + Narrow(name) + " " + std::to_string(byteCount));
  if (faults.Fails("SetValue", name)) return false;
  auto open = open_.find(key);
  if (open == open_.end() || (open->second.access & kKeySetValue) == 0) return false;
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  keys_[open->second.path][Folded(name)] = Value{type, {bytes, bytes + byteCount}};
  return true;
}

bool FakeRegistry::CloseKey(Handle key) {
  log.push_back("CloseKey");
  if (faults.Fails("CloseKey")) return false;
  return open_.erase(key) != 0;
}

}  // namespace lectavo::fake
