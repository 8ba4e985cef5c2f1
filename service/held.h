// Objects of the messaging library go back to it through Release, once, when their holder
// goes.
#pragma once

#include <memory>

namespace lectavo {

template <typename Object>
struct Releaser {
  void operator()(Object* object) const { object->Release(); }
};
template <typename Object>
using Held = std::unique_ptr<Object, Releaser<Object>>;

}  // namespace lectavo
