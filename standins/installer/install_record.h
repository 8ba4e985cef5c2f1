// What an installation made on the device, in the order it was made, so that removal can undo
// it in reverse: folders, files, registry keys and registry values.
#pragma once

#include <string>
#include <vector>

namespace installer {

struct MadeItem {
  enum class Kind { Folder, File, Key, Value };
  Kind kind;
  std::wstring path;  // folder, file or key (below HKEY_LOCAL_MACHINE)
  std::wstring name;  // the value's name
  bool operator==(const MadeItem&) const = default;
};

class InstallRecord {
 public:
  void Add(MadeItem::Kind kind, std::wstring path, std::wstring name = {});
  // Items of a later installation over this one, each kept once.
  void Append(const InstallRecord& later);
  const std::vector<MadeItem>& Items() const { return items_; }
  int Count(MadeItem::Kind kind) const;

  bool Save(const std::wstring& path) const;
  bool Load(const std::wstring& path, std::wstring& error);

 private:
  std::vector<MadeItem> items_;
};

}  // namespace installer
