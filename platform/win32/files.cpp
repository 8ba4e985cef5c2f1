#include <windows.h>

#include <algorithm>

#include "platform/win32/win32_roles.h"
#include "platform/win32/wide.h"

namespace lectavo {
namespace {

HANDLE AsHandle(Handle handle) { return reinterpret_cast<HANDLE>(handle); }

Handle FromHandle(HANDLE handle) {
  return handle == INVALID_HANDLE_VALUE ? kInvalidHandle : reinterpret_cast<Handle>(handle);
}

void CopyFound(const WIN32_FIND_DATAW& from, FindData* to) {
  to->attributes = from.dwFileAttributes;
  std::copy(std::begin(from.cFileName), std::end(from.cFileName), to->fileName);
}

}  // namespace

bool Win32Files::CreateFolder(WStringView path) {
  return CreateDirectoryW(ToApi(path).c_str(), nullptr) != FALSE;
}

Handle Win32Files::FindFirst(WStringView pattern, FindData* data) {
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW(ToApi(pattern).c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) CopyFound(found, data);
  return FromHandle(search);
}

bool Win32Files::FindNext(Handle search, FindData* data) {
  WIN32_FIND_DATAW found{};
  if (!FindNextFileW(AsHandle(search), &found)) return false;
  CopyFound(found, data);
  return true;
}

bool Win32Files::FindClose(Handle search) { return ::FindClose(AsHandle(search)) != FALSE; }

bool Win32Files::Copy(WStringView from, WStringView to, bool failIfExists) {
  return CopyFileW(ToApi(from).c_str(), ToApi(to).c_str(), failIfExists) != FALSE;
}

bool Win32Files::Delete(WStringView path) { return DeleteFileW(ToApi(path).c_str()) != FALSE; }

Handle Win32Files::OpenForReading(WStringView path) {
  return FromHandle(CreateFileW(ToApi(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

Handle Win32Files::CreateForWriting(WStringView path) {
  return FromHandle(CreateFileW(ToApi(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool Win32Files::Read(Handle file, void* buffer, std::uint32_t count, std::uint32_t* read) {
  DWORD done = 0;
  const bool ok = ReadFile(AsHandle(file), buffer, count, &done, nullptr) != FALSE;
  *read = done;
  return ok;
}

bool Win32Files::Write(Handle file, const void* data, std::uint32_t count,
                       std::uint32_t* written) {
  DWORD done = 0;
  const bool ok = WriteFile(AsHandle(file), data, count, &done, nullptr) != FALSE;
  *written = done;
  return ok;
}

bool Win32Files::CloseFile(Handle file) { return CloseHandle(AsHandle(file)) != FALSE; }

}  // namespace lectavo
