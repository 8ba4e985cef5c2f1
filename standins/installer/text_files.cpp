#include "standins/installer/text_files.h"

#include <windows.h>

#include "standins/installer/text_lines.h"

namespace installer {
namespace {

// Descriptions and records are a few kilobytes; anything far larger is not one of them.
constexpr DWORD kMaxFileBytes = 1 << 20;

std::wstring Wide(const std::string& bytes, bool& valid) {
  valid = true;
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int units =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (units == 0) {
    valid = false;
    return {};
  }
  std::wstring text(units, L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), size, text.data(), units);
  return text;
}

}  // namespace

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(bytes, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), bytes, nullptr, nullptr);
  return out;
}

bool ReadTextLines(const std::wstring& path, std::vector<std::wstring>& lines,
                   std::wstring& error) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = path + L" cannot be opened";
    return false;
  }
  std::string bytes;
  const DWORD size = GetFileSize(file, nullptr);
  DWORD read = 0;
  bool ok = size != INVALID_FILE_SIZE && size <= kMaxFileBytes;
  if (ok) {
    bytes.resize(size);
    ok = ReadFile(file, bytes.data(), size, &read, nullptr) && read == size;
  }
  CloseHandle(file);
  if (!ok) {
    error = path + L" cannot be read or is too large";
    return false;
  }
  if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
  bool valid = true;
  const std::wstring text = Wide(bytes, valid);
  if (!valid || text.find(L'\0') != std::wstring::npos) {
    error = path + L" is not UTF-8 text";
    return false;
  }
  lines = TextLines(text);
  return true;
}

bool WriteTextLines(const std::wstring& path, const std::vector<std::wstring>& lines) {
  std::string bytes;
  for (const std::wstring& line : lines) bytes += Utf8(line) + "\r\n";
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size();
  return CloseHandle(file) && ok;
}

}  // namespace installer
