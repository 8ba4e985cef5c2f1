// The settings store against Wine's real registry, with the typed test the fake registry
// passes natively.
#include <windows.h>

#include "platform/win32/win32_roles.h"
#include "tests/settings/settings_store_behaviour.h"
#include "tests/wine/support/settings_record.h"

namespace lectavo::conformance {

// Each test starts and ends without the settings key.
struct Win32RegistryRole {
  Win32RegistryRole() { device::RemoveSettings(); }
  ~Win32RegistryRole() { device::RemoveSettings(); }
  Registry& Role() { return SystemRegistry(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32Registry, SettingsStoreBehaviourTest, Win32RegistryRole);

}  // namespace lectavo::conformance
