#include "standins/installer/install_record.h"

#include <algorithm>

#include "standins/installer/text_files.h"

namespace installer {
namespace {

constexpr const wchar_t* kKindNames[] = {L"folder", L"file", L"key", L"value"};

}  // namespace

void InstallRecord::Add(MadeItem::Kind kind, std::wstring path, std::wstring name) {
  items_.push_back({kind, std::move(path), std::move(name)});
}

void InstallRecord::Append(const InstallRecord& later) {
  for (const MadeItem& item : later.items_) {
    if (std::find(items_.begin(), items_.end(), item) == items_.end()) items_.push_back(item);
  }
}

int InstallRecord::Count(MadeItem::Kind kind) const {
  return static_cast<int>(std::count_if(
      items_.begin(), items_.end(), [kind](const MadeItem& item) { return item.kind == kind; }));
}

bool InstallRecord::Save(const std::wstring& path) const {
  std::vector<std::wstring> lines;
  for (const MadeItem& item : items_) {
    std::wstring line = kKindNames[static_cast<int>(item.kind)] + (L"\t" + item.path);
    if (item.kind == MadeItem::Kind::Value) line += L"\t" + item.name;
    lines.push_back(std::move(line));
  }
  return WriteTextLines(path, lines);
}

bool InstallRecord::Load(const std::wstring& path, std::wstring& error) {
  std::vector<std::wstring> lines;
  if (!ReadTextLines(path, lines, error)) return false;
  items_.clear();
  for (const std::wstring& line : lines) {
    const auto tab = line.find(L'\t');
    const std::wstring kind = line.substr(0, tab);
    const auto known = std::find(std::begin(kKindNames), std::end(kKindNames), kind);
    if (tab == std::wstring::npos || known == std::end(kKindNames)) {
      error = path + L" is damaged: " + line;
      return false;
    }
    MadeItem item{
        static_cast<MadeItem::Kind>(known - std::begin(kKindNames)), line.substr(tab + 1), {}};
    if (item.kind == MadeItem::Kind::Value) {
      const auto nameTab = item.path.find(L'\t');
      if (nameTab == std::wstring::npos) {
        error = path + L" is damaged: " + line;
        return false;
      }
      item.name = item.path.substr(nameTab + 1);
      item.path.resize(nameTab);
    }
    items_.push_back(std::move(item));
  }
  return true;
}

}  // namespace installer
