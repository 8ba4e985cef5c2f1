// The backend the platform roles' typed tests run on: one implementation of the role.
#pragma once

namespace lectavo::conformance {

template <class Interface, class Implementation>
struct RoleBackend {
  Implementation implementation;
  Interface& Role() { return implementation; }
};

}  // namespace lectavo::conformance
