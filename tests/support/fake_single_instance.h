// Names held by other processes, and the dialogs they show.
#pragma once

#include <set>
#include <vector>

#include "platform/single_instance.h"

namespace lectavo::fake {

class FakeSingleInstance final : public SingleInstance {
 public:
  // Names another process holds.
  std::set<WString> heldElsewhere;
  // Captions of the other processes' dialogs; a dialog appears after raisesUntilShown asks.
  std::set<WString> dialogs;
  int raisesUntilShown = 0;
  std::vector<WString> claimed;
  std::vector<WString> raised;

  bool Claim(WStringView name) override {
    if (heldElsewhere.count(WString(name)) != 0) return false;
    claimed.emplace_back(name);
    return true;
  }
  bool Raise(WStringView caption) override {
    if (raisesUntilShown > 0) {
      --raisesUntilShown;
      return false;
    }
    if (dialogs.count(WString(caption)) == 0) return false;
    raised.emplace_back(caption);
    return true;
  }
};

}  // namespace lectavo::fake
