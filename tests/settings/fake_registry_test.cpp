// The fake registry under the settings store passes the typed test that Wine's real registry
// passes (tests/wine/settings), which is what makes it trusted.
#include "tests/support/fake_registry.h"

#include "tests/platform/role_backend.h"
#include "tests/settings/settings_store_behaviour.h"

namespace lectavo::conformance {

using FakeRegistryRole = RoleBackend<Registry, fake::FakeRegistry>;
INSTANTIATE_TYPED_TEST_SUITE_P(FakeRegistry, SettingsStoreBehaviourTest, FakeRegistryRole);

}  // namespace lectavo::conformance
