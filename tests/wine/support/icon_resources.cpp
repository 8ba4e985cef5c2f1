#include "tests/wine/support/icon_resources.h"

namespace lectavo::wine {
namespace {

// An icon group resource: a header, then one entry per image.
#pragma pack(push, 2)
struct GroupHeader {
  WORD reserved, type, count;
};
struct GroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bits;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

}  // namespace

std::vector<std::pair<int, int>> IconImages(HMODULE module, int id) {
  std::vector<std::pair<int, int>> images;
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_GROUP_ICON);
  if (found == nullptr) return images;
  const auto* header = static_cast<const GroupHeader*>(LockResource(LoadResource(module, found)));
  if (header == nullptr) return images;
  const auto* entries = reinterpret_cast<const GroupEntry*>(header + 1);
  for (int i = 0; i < header->count; ++i) {
    images.emplace_back(entries[i].width == 0 ? 256 : entries[i].width, entries[i].bits);
  }
  return images;
}

}  // namespace lectavo::wine
