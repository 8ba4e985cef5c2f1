#include "standins/installer/package_description.h"

#include <algorithm>

namespace installer {
namespace {

// Only the ASCII digits count: the C library's classes take other scripts' digits too.
int DigitValue(wchar_t c, int base) {
  int value = 99;
  if (c >= L'0' && c <= L'9') value = c - L'0';
  if (c >= L'a' && c <= L'f') value = c - L'a' + 10;
  if (c >= L'A' && c <= L'F') value = c - L'A' + 10;
  return value < base ? value : -1;
}

std::wstring Trimmed(const std::wstring& text) {
  const auto first = text.find_first_not_of(L" \t");
  if (first == std::wstring::npos) return {};
  return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
  std::vector<std::wstring> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::wstring::npos; start = at + 1) {
    parts.push_back(Trimmed(text.substr(start, at - start)));
  }
  parts.push_back(Trimmed(text.substr(start)));
  return parts;
}

bool ParseDword(const std::wstring& text, std::vector<std::uint8_t>& data) {
  if (text.empty() || text.size() > 10) return false;
  const bool hex = text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X');
  unsigned long long value = 0;
  for (std::size_t i = hex ? 2 : 0; i < text.size(); ++i) {
    const int digit = DigitValue(text[i], hex ? 16 : 10);
    if (digit < 0) return false;
    value = value * (hex ? 16 : 10) + static_cast<unsigned>(digit);
  }
  if (value > 0xFFFFFFFFull) return false;
  for (int shift = 0; shift < 32; shift += 8) {
    data.push_back(static_cast<std::uint8_t>(value >> shift));
  }
  return true;
}

bool ParseBinary(const std::wstring& text, std::vector<std::uint8_t>& data) {
  for (const std::wstring& byte : Split(text, L' ')) {
    if (byte.empty()) continue;
    const int high = byte.size() == 2 ? DigitValue(byte[0], 16) : -1;
    const int low = byte.size() == 2 ? DigitValue(byte[1], 16) : -1;
    if (high < 0 || low < 0) return false;
    data.push_back(static_cast<std::uint8_t>(high * 16 + low));
  }
  return true;
}

bool ParseRegistryEntry(const std::wstring& line, RegistryEntry& entry, std::wstring& error) {
  const std::vector<std::wstring> fields = Split(line, L'|');
  if (fields.size() != 4) {
    error = L"a registry line needs key | value | type | data";
    return false;
  }
  entry.key = fields[0];
  entry.name = fields[1];
  if (entry.key.empty() || entry.key.front() == L'\\' || entry.key.back() == L'\\') {
    error = L"a registry key is named without leading or trailing backslash";
    return false;
  }
  const std::wstring& type = fields[2];
  const std::wstring& data = fields[3];
  bool parsed = true;
  if (type == L"REG_SZ") {
    entry.type = kRegSz;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.c_str());
    entry.data.assign(bytes, bytes + (data.size() + 1) * sizeof(wchar_t));
  } else if (type == L"REG_DWORD") {
    entry.type = kRegDword;
    parsed = ParseDword(data, entry.data);
  } else if (type == L"REG_BINARY") {
    entry.type = kRegBinary;
    parsed = ParseBinary(data, entry.data);
  } else {
    error = L"unknown registry type " + type;
    return false;
  }
  if (!parsed) error = L"data that does not fit " + type + L": " + data;
  return parsed;
}

// A file of the package: a path below the package folder, each part a plain name.
bool AddPackageFile(const std::wstring& line, PackageDescription& description,
                    std::wstring& error) {
  for (const std::wstring& part : Split(line, L'\\')) {
    if (part.empty() || part == L"." || part == L".." ||
        part.find_first_of(L"/:*?\"<>|") != std::wstring::npos) {
      error = L"a file is named by its path in the package, without wildcards: " + line;
      return false;
    }
  }
  description.files.push_back(line);
  return true;
}

wchar_t Folded(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; }

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](wchar_t x, wchar_t y) { return Folded(x) == Folded(y); });
}

bool SetPackageValue(const std::wstring& line, PackageDescription& description,
                     std::wstring& error) {
  const auto equals = line.find(L'=');
  if (equals == std::wstring::npos) {
    error = L"expected name = value";
    return false;
  }
  const std::wstring name = Trimmed(line.substr(0, equals));
  const std::wstring value = Trimmed(line.substr(equals + 1));
  std::wstring* field = name == L"Name"            ? &description.name
                        : name == L"DefaultFolder" ? &description.defaultFolder
                        : name == L"Setup"         ? &description.setupLibrary
                                                   : nullptr;
  if (field == nullptr) {
    error = L"unknown package value " + name;
    return false;
  }
  *field = value;
  return true;
}

// The name becomes part of file and key names; the setup library is a file of the package.
bool CheckComplete(const PackageDescription& description, std::wstring& error) {
  if (description.name.empty() || description.setupLibrary.empty() ||
      description.defaultFolder.empty()) {
    error = L"[Package] needs Name, DefaultFolder and Setup";
  } else if (description.name.find_first_of(L"\\/:*?\"<>|") != std::wstring::npos ||
             description.setupLibrary.find_first_of(L"\\/:*?\"<>|") != std::wstring::npos) {
    error = L"Name and Setup must be plain names";
  }
  return error.empty();
}

}  // namespace

bool ParsePackageDescription(const std::wstring& path, const std::vector<std::wstring>& lines,
                             PackageDescription& description, std::wstring& error) {
  std::wstring section;
  for (std::size_t number = 1; number <= lines.size(); ++number) {
    const std::wstring line = Trimmed(lines[number - 1]);
    bool good = true;
    if (line.empty() || line.front() == L';') {
      continue;
    } else if (line.front() == L'[' && line.back() == L']') {
      section = line.substr(1, line.size() - 2);
      if (section != L"Package" && section != L"Registry" && section != L"Files") {
        error = L"unknown section [" + section + L"]";
        good = false;
      }
    } else if (section == L"Package") {
      good = SetPackageValue(line, description, error);
    } else if (section == L"Registry") {
      description.registry.emplace_back();
      good = ParseRegistryEntry(line, description.registry.back(), error);
    } else if (section == L"Files") {
      good = AddPackageFile(line, description, error);
    } else {
      error = L"text outside a section";
      good = false;
    }
    if (!good) {
      error = path + L", line " + std::to_wstring(number) + L": " + error;
      return false;
    }
  }
  if (!CheckComplete(description, error)) {
    error = path + L": " + error;
    return false;
  }
  return true;
}

std::vector<std::wstring> MissingFiles(const PackageDescription& description,
                                       const std::vector<std::wstring>& packageFiles) {
  std::vector<std::wstring> missing;
  for (const std::wstring& file : description.files) {
    const bool present =
        std::any_of(packageFiles.begin(), packageFiles.end(),
                    [&](const std::wstring& held) { return SamePath(held, file); });
    if (!present) missing.push_back(file);
  }
  return missing;
}

}  // namespace installer
