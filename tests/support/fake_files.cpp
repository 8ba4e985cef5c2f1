#include "tests/support/fake_files.h"

#include <algorithm>
#include <cstring>

#include "tests/support/text.h"

namespace lectavo::fake {
namespace {

WStringView ParentOf(WStringView path) {
  const auto slash = path.rfind(u'\\');
  return slash == WStringView::npos ? WStringView{} : path.substr(0, slash);
}

WStringView NameOf(WStringView path) {
  const auto slash = path.rfind(u'\\');
  return slash == WStringView::npos ? path : path.substr(slash + 1);
}

// Wildcards * and ? on folded names.
bool Matches(WStringView mask, WStringView name) {
  if (mask.empty()) return name.empty();
  if (mask[0] == u'*') {
    for (std::size_t skip = 0; skip <= name.size(); ++skip) {
      if (Matches(mask.substr(1), name.substr(skip))) return true;
    }
    return false;
  }
  if (name.empty()) return false;
  return (mask[0] == u'?' || mask[0] == name[0]) && Matches(mask.substr(1), name.substr(1));
}

FindData Found(WStringView name, bool folder) {
  FindData data;
  data.attributes = folder ? kAttributeDirectory : 0x80;  // FILE_ATTRIBUTE_NORMAL
  std::copy_n(name.begin(), std::min<std::size_t>(name.size(), 259), data.fileName);
  return data;
}

// The device has no current folder: a path without its leading backslash starts at the root
// all the same. A drive such as "C:" keeps its own root.
bool NeedsRoot(WStringView path) {
  const WStringView first = path.substr(0, path.find(u'\\'));
  return !path.empty() && path[0] != u'\\' && first.find(u':') == WStringView::npos;
}

WString Rooted(WStringView path) { return NeedsRoot(path) ? u"\\" + WString(path) : WString(path); }

// A path may be longer than MAX_PATH, as on the device; no single name in it longer than 255.
bool NamesFit(WStringView path) {
  for (std::size_t start = 0; start <= path.size();) {
    const std::size_t end = std::min(path.find(u'\\', start), path.size());
    if (end - start > 255) return false;
    start = end + 1;
  }
  return true;
}

}  // namespace

// Built in one pass: every operation keys its paths, and the fuzz targets make millions.
WString FakeFiles::Key(WStringView path) {
  while (path.size() > 1 && path.back() == u'\\') path.remove_suffix(1);
  const std::size_t root = NeedsRoot(path) ? 1 : 0;
  WString key(root + path.size(), u'\\');
  std::transform(path.begin(), path.end(), key.begin() + root, [](WChar c) { return Folded(c); });
  return key;
}

bool FakeFiles::ParentExists(WStringView key) const {
  const WStringView parent = ParentOf(key);
  // The root, and a drive such as "C:", always exist.
  if (parent.empty() || parent.find(u'\\') == WStringView::npos) return true;
  const Entry* entry = Find(parent);
  return entry != nullptr && entry->folder;
}

const FakeFiles::Entry* FakeFiles::Find(WStringView key) const {
  auto found = entries_.find(key);
  return found == entries_.end() ? nullptr : &found->second;
}

bool FakeFiles::IsOpen(WStringView key, bool forWritingOnly) const {
  return std::any_of(open_.begin(), open_.end(), [&](const auto& open) {
    return open.second.key == key && (open.second.writing || !forWritingOnly);
  });
}

void FakeFiles::PutFolder(WStringView path) {
  const WString rooted = Rooted(path);
  const WStringView parent = ParentOf(rooted);
  if (!parent.empty() && parent.find(u'\\') != WStringView::npos && !IsFolder(parent)) {
    PutFolder(parent);
  }
  entries_[Key(path)] = Entry{WString(path), true, {}};
}

void FakeFiles::PutFile(WStringView path, std::string_view bytes) {
  const WString rooted = Rooted(path);
  const WStringView parent = ParentOf(rooted);
  if (!parent.empty() && parent.find(u'\\') != WStringView::npos && !IsFolder(parent)) {
    PutFolder(parent);
  }
  entries_[Key(path)] = Entry{WString(path), false, std::string(bytes)};
}

bool FakeFiles::IsFolder(WStringView path) const {
  const Entry* entry = Find(Key(path));
  return entry != nullptr && entry->folder;
}

bool FakeFiles::IsFile(WStringView path) const {
  const Entry* entry = Find(Key(path));
  return entry != nullptr && !entry->folder;
}

std::optional<std::string> FakeFiles::Content(WStringView path) const {
  const Entry* entry = Find(Key(path));
  if (entry == nullptr || entry->folder) return std::nullopt;
  return entry->bytes;
}

std::vector<WString> FakeFiles::Paths() const {
  std::vector<WString> paths;
  paths.reserve(entries_.size());
  for (const auto& [key, entry] : entries_) paths.push_back(entry.path);
  return paths;
}

void FakeFiles::ForEachEntry(
    const std::function<void(WStringView path, const std::string* bytes)>& visit) const {
  for (const auto& [key, entry] : entries_) {
    visit(entry.path, entry.folder ? nullptr : &entry.bytes);
  }
}

bool FakeFiles::CreateFolder(WStringView path) {
  log.push_back("CreateFolder " + Narrow(path));
  const WString key = Key(path);
  if (faults.Fails("CreateFolder", path) || Find(key) != nullptr || !ParentExists(key) ||
      !NamesFit(path)) {
    return false;
  }
  entries_[key] = Entry{WString(path), true, {}};
  return true;
}

Handle FakeFiles::FindFirst(WStringView pattern, FindData* data) {
  log.push_back("FindFirst " + Narrow(pattern));
  if (faults.Fails("FindFirst", pattern)) return kInvalidHandle;
  const WString folder = Key(ParentOf(pattern));
  WString mask = Folded(NameOf(pattern));
  if (mask == u"*.*") mask.resize(1);  // "*.*" matches every name, as "*" does
  const bool root = folder.empty() || folder.find(u'\\') == WString::npos;
  const Entry* folderEntry = Find(folder);
  if (!root && (folderEntry == nullptr || !folderEntry->folder)) return kInvalidHandle;
  Search search;
  if (!root) {
    for (WStringView dots : {WStringView(u"."), WStringView(u"..")}) {
      if (Matches(mask, dots)) search.found.push_back(Found(dots, true));
    }
  }
  for (const auto& [key, entry] : entries_) {
    if (ParentOf(key) == folder && Matches(mask, NameOf(key))) {
      search.found.push_back(Found(NameOf(entry.path), entry.folder));
    }
  }
  if (search.found.empty()) return kInvalidHandle;
  *data = search.found[0];
  search.next = 1;
  searches_[nextHandle_] = std::move(search);
  return nextHandle_++;
}

bool FakeFiles::FindNext(Handle search, FindData* data) {
  log.push_back("FindNext");
  if (faults.Fails("FindNext")) return false;
  auto found = searches_.find(search);
  if (found == searches_.end() || found->second.next >= found->second.found.size()) return false;
  *data = found->second.found[found->second.next++];
  return true;
}

bool FakeFiles::FindClose(Handle search) {
  log.push_back("FindClose");
  if (faults.Fails("FindClose")) return false;
  return searches_.erase(search) != 0;
}

bool FakeFiles::Copy(WStringView from, WStringView to, bool failIfExists) {
  log.push_back("Copy " + Narrow(from) + " " + Narrow(to));
  if (faults.Fails("Copy", to)) return false;
  const WString fromKey = Key(from);
  const WString toKey = Key(to);
  const Entry* source = Find(fromKey);
  const Entry* target = Find(toKey);
  if (source == nullptr || source->folder || !ParentExists(toKey) || !NamesFit(to)) return false;
  if (IsOpen(fromKey, true) || IsOpen(toKey, false)) return false;
  if (target != nullptr && (target->folder || failIfExists)) return false;
  const std::string bytes = source->bytes;
  const WString path = target != nullptr ? target->path : WString(to);
  entries_[toKey] = Entry{path, false, bytes};
  return true;
}

bool FakeFiles::Delete(WStringView path) {
  log.push_back("Delete " + Narrow(path));
  if (faults.Fails("Delete", path)) return false;
  const WString key = Key(path);
  const Entry* entry = Find(key);
  if (entry == nullptr || entry->folder || IsOpen(key, false)) return false;
  entries_.erase(key);
  return true;
}

bool FakeFiles::Replace(WStringView from, WStringView to) {
  log.push_back("Replace " + Narrow(from) + " " + Narrow(to));
  if (faults.Fails("Replace", to)) return false;
  const WString fromKey = Key(from);
  const WString toKey = Key(to);
  const Entry* source = Find(fromKey);
  const Entry* target = Find(toKey);
  if (source == nullptr || source->folder || !ParentExists(toKey) || !NamesFit(to)) return false;
  if (IsOpen(fromKey, false) || IsOpen(toKey, false)) return false;
  if (target != nullptr && target->folder) return false;
  if (fromKey == toKey) return true;
  Entry moved = *source;
  moved.path = target != nullptr ? target->path : WString(to);
  entries_.erase(fromKey);
  entries_[toKey] = std::move(moved);
  return true;
}

Handle FakeFiles::OpenForReading(WStringView path) {
  log.push_back("OpenForReading " + Narrow(path));
  const WString key = Key(path);
  const Entry* entry = Find(key);
  if (faults.Fails("OpenForReading", path) || entry == nullptr || entry->folder ||
      IsOpen(key, true)) {
    return kInvalidHandle;
  }
  open_[nextHandle_] = OpenFile{key, 0, false};
  return nextHandle_++;
}

Handle FakeFiles::CreateForWriting(WStringView path) {
  log.push_back("CreateForWriting " + Narrow(path));
  const WString key = Key(path);
  const Entry* existing = Find(key);
  if (faults.Fails("CreateForWriting", path) || (existing != nullptr && existing->folder) ||
      !ParentExists(key) || IsOpen(key, false) || !NamesFit(path)) {
    return kInvalidHandle;
  }
  const WString name = existing != nullptr ? existing->path : WString(path);
  entries_[key] = Entry{name, false, {}};
  open_[nextHandle_] = OpenFile{key, 0, true};
  return nextHandle_++;
}

bool FakeFiles::Read(Handle file, void* buffer, std::uint32_t count, std::uint32_t* read) {
  log.push_back("Read " + std::to_string(count));
  *read = 0;
  auto open = open_.find(file);
  if (faults.Fails("Read") || open == open_.end()) return false;
  const std::string& bytes = entries_[open->second.key].bytes;
  const std::size_t available = bytes.size() - std::min(bytes.size(), open->second.position);
  const std::size_t n = std::min<std::size_t>(count, available);
  if (n > 0) std::memcpy(buffer, bytes.data() + open->second.position, n);
  open->second.position += n;
  *read = static_cast<std::uint32_t>(n);
  return true;
}

bool FakeFiles::Write(Handle file, const void* data, std::uint32_t count, std::uint32_t* written) {
  log.push_back("Write " + std::to_string(count));
  *written = 0;
  auto open = open_.find(file);
  if (faults.Fails("Write") || open == open_.end()) return false;
  std::string& bytes = entries_[open->second.key].bytes;
  bytes.resize(std::max(bytes.size(), open->second.position + count));
  if (count > 0) std::memcpy(bytes.data() + open->second.position, data, count);
  open->second.position += count;
  *written = count;
  return true;
}

bool FakeFiles::CloseFile(Handle file) {
  log.push_back("CloseFile");
  if (faults.Fails("CloseFile")) return false;
  return open_.erase(file) != 0;
}

}  // namespace lectavo::fake
