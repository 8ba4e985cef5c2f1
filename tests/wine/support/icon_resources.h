// The images an icon resource of a module offers, read from its icon group as the system
// chooses among them.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

namespace lectavo::wine {

// Each image of icon group `id` as (width, bits per pixel), in the group's order; empty when
// the module has no such group.
std::vector<std::pair<int, int>> IconImages(HMODULE module, int id);

}  // namespace lectavo::wine
