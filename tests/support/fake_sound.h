// Records what was played; a sound plays when its file is among the playable ones.
#pragma once

#include <cstdint>
#include <set>
#include <vector>

#include "platform/sound.h"
#include "tests/support/faults.h"
#include "tests/support/text.h"

namespace lectavo::fake {

class FakeSound final : public Sound {
 public:
  struct Play {
    WString path;
    std::uint32_t flags;
  };

  // Operation: Play (argument: the path).
  Faults faults;
  std::vector<Play> played;
  std::set<WString> playable;  // folded paths

  void AllowPlay(WStringView path) { playable.insert(Folded(path)); }

  bool Play(WStringView path, std::uint32_t flags) override {
    played.push_back({WString(path), flags});
    return !faults.Fails("Play", path) && playable.count(Folded(path)) != 0;
  }
};

}  // namespace lectavo::fake
