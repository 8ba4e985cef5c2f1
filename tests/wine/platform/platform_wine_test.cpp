// The Win32 files and code page adapters on Wine's real calls, with the typed tests their
// fakes pass natively.
#include <windows.h>

#include "platform/win32/win32_roles.h"
#include "tests/platform/code_page_behaviour.h"
#include "tests/platform/files_behaviour.h"
#include "tests/platform/role_backend.h"
#include "tests/wine/support/device.h"

namespace lectavo::conformance {

// The probe folder lies on the prefix's drive C:; whatever a test left there goes, before
// and after.
struct Win32FilesRole {
  Win32FilesRole() { device::RemoveTree(Probe()); }
  ~Win32FilesRole() { device::RemoveTree(Probe()); }
  Files& Role() { return SystemFiles(); }
  static std::wstring Probe() { return {kProbeFolder.begin(), kProbeFolder.end()}; }
};

using Win32CodePageRole = RoleBackend<CodePage, Win32CodePage>;
INSTANTIATE_TYPED_TEST_SUITE_P(Win32Files, FilesBehaviourTest, Win32FilesRole);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32CodePage, CodePageBehaviourTest, Win32CodePageRole);

}  // namespace lectavo::conformance
