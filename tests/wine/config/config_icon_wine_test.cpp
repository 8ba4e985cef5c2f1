// Lectavo_Config.exe's window icon, as the package carries it.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>
#include <vector>

#include "tests/wine/support/icon_resources.h"
#include "tests/wine/support/paths.h"

namespace lectavo::wine {
namespace {

TEST(ConfigIconWineTest, Icon129OffersALargeAndASmallImageInFullColour) {
  const HMODULE program = LoadLibraryExW(PackagePath(L"Lectavo_Config.exe").c_str(), nullptr,
                                         LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(program, nullptr);
  EXPECT_EQ(IconImages(program, 129), (std::vector<std::pair<int, int>>{{32, 32}, {16, 32}}));
  FreeLibrary(program);
}

}  // namespace
}  // namespace lectavo::wine
