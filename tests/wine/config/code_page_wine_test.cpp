// The fake code page against Wine's real one: the native tests of the note's conversion are
// only worth what the fake's likeness is.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/win32_roles.h"
#include "tests/support/fake_code_page.h"

namespace lectavo {
namespace {

// What one character becomes in the ANSI code page.
char Converted(CodePage& codePage, WChar c, std::uint32_t flags) {
  const WChar text[] = {c, u'\0'};
  char out[4] = {};
  return codePage.ToAnsi(text, -1, out, 4, flags) == 2 ? out[0] : '\0';
}

TEST(CodePageWineTest, FakeConvertsAsWineDoesWithAndWithoutBestFit) {
  ASSERT_EQ(GetACP(), 1252u);
  Win32CodePage real;
  fake::FakeCodePage fake;
  for (char32_t c = 1; c < 0x2200; ++c) {
    const auto wide = static_cast<WChar>(c);
    SCOPED_TRACE(static_cast<unsigned>(c));
    const char exact = Converted(real, wide, kNoBestFit);
    ASSERT_EQ(Converted(fake, wide, kNoBestFit), exact);
    // The fake knows a sample of the best-fit table; what it fits, Wine fits the same way.
    const char fitted = Converted(fake, wide, 0);
    if (fitted != exact) {
      EXPECT_EQ(Converted(real, wide, 0), fitted);
    }
  }
  EXPECT_EQ(Converted(real, u'\u0142', 0), 'l') << "the best fit the flag turns off";
}

}  // namespace
}  // namespace lectavo
