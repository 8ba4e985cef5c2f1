// An in-memory file system with device paths ("\Folder\File"): names compare without letter
// case, a path without its leading backslash starts at the root as well, a folder must exist
// before anything is made in it, searches report "." and ".." in folders other than the root,
// and "*.*" matches every name. A path may be longer than MAX_PATH, as on the device, but no
// single name in it longer than 255 characters. Open files share as the Win32 adapter opens
// them: a file being read can be read and copied, not written, replaced or deleted; a file
// being written cannot be touched at all.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "tests/support/faults.h"

namespace lectavo::fake {

class FakeFiles final : public Files {
 public:
  // Operations: CreateFolder, FindFirst, FindNext, FindClose, Copy, Delete, Replace,
  // OpenForReading, CreateForWriting, Read, Write, CloseFile (argument: the path, for
  // Copy and Replace the target).
  Faults faults;
  std::vector<std::string> log;

  // Direct access for tests; bypasses faults and the log. Parents are made as needed.
  void PutFolder(WStringView path);
  void PutFile(WStringView path, std::string_view bytes);
  bool IsFolder(WStringView path) const;
  bool IsFile(WStringView path) const;
  std::optional<std::string> Content(WStringView path) const;
  // Every file and folder, by its full path as created, in name order.
  std::vector<WString> Paths() const;
  // The same, with each file's content (none for a folder), without copying the tree.
  void ForEachEntry(
      const std::function<void(WStringView path, const std::string* bytes)>& visit) const;
  int OpenHandles() const { return static_cast<int>(open_.size() + searches_.size()); }

  bool CreateFolder(WStringView path) override;
  Handle FindFirst(WStringView pattern, FindData* data) override;
  bool FindNext(Handle search, FindData* data) override;
  bool FindClose(Handle search) override;
  bool Copy(WStringView from, WStringView to, bool failIfExists) override;
  bool Delete(WStringView path) override;
  bool Replace(WStringView from, WStringView to) override;
  Handle OpenForReading(WStringView path) override;
  Handle CreateForWriting(WStringView path) override;
  bool Read(Handle file, void* buffer, std::uint32_t count, std::uint32_t* read) override;
  bool Write(Handle file, const void* data, std::uint32_t count, std::uint32_t* written) override;
  bool CloseFile(Handle file) override;

 private:
  struct Entry {
    WString path;  // as created
    bool folder = false;
    std::string bytes;
  };
  struct OpenFile {
    WString key;
    std::size_t position = 0;
    bool writing = false;
  };
  struct Search {
    std::vector<FindData> found;
    std::size_t next = 0;
  };
  // A path as the map keys it: rooted, letter case folded, no trailing backslash.
  static WString Key(WStringView path);
  bool ParentExists(WStringView key) const;
  const Entry* Find(WStringView key) const;
  // Whether a handle is open on the key: any, or only one open for writing.
  bool IsOpen(WStringView key, bool forWritingOnly) const;

  std::map<WString, Entry, std::less<>> entries_;
  std::map<Handle, OpenFile> open_;
  std::map<Handle, Search> searches_;
  Handle nextHandle_ = 0x300;
};

}  // namespace lectavo::fake
