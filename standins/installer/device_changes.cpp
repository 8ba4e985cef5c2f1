#include "standins/installer/device_changes.h"

#include <algorithm>
#include <optional>

#include "standins/installer/console.h"

namespace installer {
namespace {

bool KeyExists(const std::wstring& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(opened);
  return true;
}

bool KeyIsEmpty(const std::wstring& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
    return false;
  }
  DWORD subkeys = 0;
  DWORD values = 0;
  const bool queried =
      RegQueryInfoKeyW(opened, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                       nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  RegCloseKey(opened);
  return queried && subkeys == 0 && values == 0;
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// False when something of that name is still there afterwards.
bool Removed(const MadeItem& item) {
  switch (item.kind) {
    case MadeItem::Kind::File:
      return DeleteFileW(item.path.c_str()) || !Exists(item.path);
    case MadeItem::Kind::Folder:
      // A folder that is not empty holds something the installation did not make: it stays.
      RemoveDirectoryW(item.path.c_str());
      return true;
    case MadeItem::Kind::Value: {
      HKEY key = nullptr;
      if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, item.path.c_str(), 0, KEY_SET_VALUE, &key) !=
          ERROR_SUCCESS) {
        return true;  // the key is gone, and the value with it
      }
      const LONG result = RegDeleteValueW(key, item.name.c_str());
      RegCloseKey(key);
      return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
    }
    case MadeItem::Kind::Key:
      if (KeyIsEmpty(item.path)) RegDeleteKeyW(HKEY_LOCAL_MACHINE, item.path.c_str());
      return true;
  }
  return true;
}

}  // namespace

void DeviceChanges::MakeFolderPath(const std::wstring& folder) {
  for (std::size_t at = folder.find(L'\\', 1); at != std::wstring::npos;
       at = folder.find(L'\\', at + 1)) {
    const std::wstring level = folder.substr(0, at);
    if (level.back() != L':') MakeFolder(level);  // a drive is no folder to make
  }
  MakeFolder(folder);
}

void DeviceChanges::MakeFolder(const std::wstring& folder) {
  if (CreateDirectoryW(folder.c_str(), nullptr)) {
    made_.Add(MadeItem::Kind::Folder, folder);
    return;
  }
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    Complain(L"folder " + folder + L" cannot be made");
    ++failed_.folders;
  }
}

void DeviceChanges::CopyPackageFile(const std::wstring& from, const std::wstring& to) {
  std::optional<KeptFile> kept;
  if (Exists(to)) {
    CreateDirectoryW(keptFolder_.c_str(), nullptr);
    kept = KeptFile{to, keptFolder_ + L"\\" + std::to_wstring(keptFiles_.size() + 1)};
    if (!CopyFileW(to.c_str(), kept->copy.c_str(), FALSE)) {
      Complain(L"file " + to + L" cannot be kept for an undo, so it is not replaced (error " +
               std::to_wstring(GetLastError()) + L")");
      ++failed_.files;
      return;
    }
  }
  if (CopyFileW(from.c_str(), to.c_str(), FALSE)) {
    made_.Add(MadeItem::Kind::File, to);
    if (kept) keptFiles_.push_back(std::move(*kept));
  } else {
    Complain(L"file " + to + L" cannot be copied (error " + std::to_wstring(GetLastError()) + L")");
    ++failed_.files;
    if (kept) DeleteFileW(kept->copy.c_str());
  }
}

void DeviceChanges::SetValue(const RegistryEntry& entry) {
  std::vector<std::wstring> missing;
  for (std::size_t at = 0; at != std::wstring::npos;) {
    at = entry.key.find(L'\\', at + 1);
    const std::wstring level = entry.key.substr(0, at);
    if (!KeyExists(level)) missing.push_back(level);
  }
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, entry.key.c_str(), 0, nullptr, 0,
                      KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    Complain(L"registry key " + entry.key + L" cannot be made");
    ++failed_.keys;
    return;
  }
  for (std::wstring& level : missing) made_.Add(MadeItem::Kind::Key, std::move(level));
  KeptValue kept{entry.key, entry.name, REG_NONE, {}};
  DWORD size = 0;
  const bool replaces =
      RegQueryValueExW(key, entry.name.c_str(), nullptr, &kept.type, nullptr, &size) ==
      ERROR_SUCCESS;
  kept.data.resize(size);
  if (replaces && RegQueryValueExW(key, entry.name.c_str(), nullptr, &kept.type, kept.data.data(),
                                   &size) == ERROR_SUCCESS) {
    kept.data.resize(size);
    keptValues_.push_back(std::move(kept));
  }
  if (RegSetValueExW(key, entry.name.c_str(), 0, entry.type, entry.data.data(),
                     static_cast<DWORD>(entry.data.size())) == ERROR_SUCCESS) {
    made_.Add(MadeItem::Kind::Value, entry.key, entry.name);
  } else {
    Complain(L"registry value " + entry.key + L"\\" + entry.name + L" cannot be set");
    ++failed_.values;
  }
  RegCloseKey(key);
}

int DeviceChanges::RollBack() {
  int left = 0;
  const auto& items = made_.Items();
  for (auto item = items.rbegin(); item != items.rend(); ++item) {
    const auto file = std::find_if(keptFiles_.begin(), keptFiles_.end(),
                                   [&](const KeptFile& kept) { return kept.path == item->path; });
    const auto value = std::find_if(keptValues_.begin(), keptValues_.end(), [&](const KeptValue& kept) {
      return kept.key == item->path && kept.name == item->name;
    });
    bool undone = false;
    if (item->kind == MadeItem::Kind::File && file != keptFiles_.end()) {
      undone = CopyFileW(file->copy.c_str(), file->path.c_str(), FALSE);
    } else if (item->kind == MadeItem::Kind::Value && value != keptValues_.end()) {
      undone = RegSetKeyValueW(HKEY_LOCAL_MACHINE, value->key.c_str(), value->name.c_str(),
                               value->type, value->data.data(),
                               static_cast<DWORD>(value->data.size())) == ERROR_SUCCESS;
    } else {
      undone = Removed(*item);
    }
    if (undone) continue;
    Complain(L"cannot undo " + item->path + (item->name.empty() ? L"" : L"\\" + item->name));
    ++left;
  }
  // A copy that could not be put back stays where it was kept.
  if (left == 0) DropKept();
  return left;
}

void DeviceChanges::DropKept() {
  for (const KeptFile& kept : keptFiles_) DeleteFileW(kept.copy.c_str());
  keptFiles_.clear();
  keptValues_.clear();
  RemoveDirectoryW(keptFolder_.c_str());
}

int Undo(const InstallRecord& record) {
  int left = 0;
  const auto& items = record.Items();
  for (auto item = items.rbegin(); item != items.rend(); ++item) {
    if (Removed(*item)) continue;
    Complain(L"cannot remove " + item->path + (item->name.empty() ? L"" : L"\\" + item->name));
    ++left;
  }
  return left;
}

}  // namespace installer
