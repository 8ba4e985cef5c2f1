#include "setup/device_paths.h"

#include <algorithm>

namespace lectavo {
namespace {

WChar Lower(WChar c) { return c >= u'A' && c <= u'Z' ? static_cast<WChar>(c + 0x20) : c; }

}  // namespace

std::optional<WString> JoinPath(std::initializer_list<WStringView> parts) {
  WString path;
  for (WStringView part : parts) {
    if (!path.empty()) path += u'\\';
    path += part;
  }
  if (path.size() >= kPathCapacity) return std::nullopt;
  return path;
}

bool EqualIgnoringCase(WStringView a, WStringView b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](WChar x, WChar y) { return Lower(x) == Lower(y); });
}

bool SameDevicePath(WStringView a, WStringView b) {
  if (a.starts_with(u'\\')) a.remove_prefix(1);
  if (b.starts_with(u'\\')) b.remove_prefix(1);
  return EqualIgnoringCase(a, b);
}

}  // namespace lectavo
