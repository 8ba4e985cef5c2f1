// The fakes of the files and code page roles pass the same typed tests the Win32 adapters
// pass under Wine (tests/wine/platform), which is what makes them trusted.
#include "tests/platform/code_page_behaviour.h"
#include "tests/platform/files_behaviour.h"
#include "tests/platform/role_backend.h"
#include "tests/support/fake_code_page.h"
#include "tests/support/fake_files.h"

namespace lectavo::conformance {

using FakeFilesRole = RoleBackend<Files, fake::FakeFiles>;
using FakeCodePageRole = RoleBackend<CodePage, fake::FakeCodePage>;
INSTANTIATE_TYPED_TEST_SUITE_P(FakeFiles, FilesBehaviourTest, FakeFilesRole);
INSTANTIATE_TYPED_TEST_SUITE_P(FakeCodePage, CodePageBehaviourTest, FakeCodePageRole);

}  // namespace lectavo::conformance
