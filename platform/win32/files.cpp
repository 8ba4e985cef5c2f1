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

class Win32Files final : public Files {
 public:
  bool CreateFolder(WStringView path) override {
    return CreateDirectoryW(ToApi(path).c_str(), nullptr) != FALSE;
  }

  Handle FindFirst(WStringView pattern, FindData* data) override {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(ToApi(pattern).c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) CopyFound(found, data);
    return FromHandle(search);
  }

  bool FindNext(Handle search, FindData* data) override {
    WIN32_FIND_DATAW found{};
    if (!FindNextFileW(AsHandle(search), &found)) return false;
    CopyFound(found, data);
    return true;
  }

  bool FindClose(Handle search) override { return ::FindClose(AsHandle(search)) != FALSE; }

  bool Copy(WStringView from, WStringView to, bool failIfExists) override {
    return CopyFileW(ToApi(from).c_str(), ToApi(to).c_str(), failIfExists) != FALSE;
  }

  bool Delete(WStringView path) override { return DeleteFileW(ToApi(path).c_str()) != FALSE; }

  // The device renames over a file in one step; the desktop's call for it is MoveFileEx.
  bool Replace(WStringView from, WStringView to) override {
    return MoveFileExW(ToApi(from).c_str(), ToApi(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
  }

  Handle OpenForReading(WStringView path) override {
    return FromHandle(CreateFileW(ToApi(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  }

  Handle CreateForWriting(WStringView path) override {
    return FromHandle(CreateFileW(ToApi(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  }

  bool Read(Handle file, void* buffer, std::uint32_t count, std::uint32_t* read) override {
    DWORD done = 0;
    const bool ok = ReadFile(AsHandle(file), buffer, count, &done, nullptr) != FALSE;
    *read = done;
    return ok;
  }

  bool Write(Handle file, const void* data, std::uint32_t count, std::uint32_t* written) override {
    DWORD done = 0;
    const bool ok = WriteFile(AsHandle(file), data, count, &done, nullptr) != FALSE;
    *written = done;
    return ok;
  }

  bool CloseFile(Handle file) override { return CloseHandle(AsHandle(file)) != FALSE; }
};

// Holds nothing, like the registry's: built before the program starts.
Win32Files files;

}  // namespace

Files& SystemFiles() { return files; }

}  // namespace lectavo
