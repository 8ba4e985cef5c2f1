// The code page role as the programs rely on it, as one typed test that runs against the fake
// natively and against the Win32 adapter under Wine (Windows-1252 as the ANSI code page).
// Instantiate it in one source of a test program with a backend type B that offers
// CodePage& Role().
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/code_page.h"

namespace lectavo::conformance {

template <class B>
class CodePageBehaviourTest : public ::testing::Test {
 protected:
  char Ansi(WChar c, std::uint32_t flags) {
    char byte = 0;
    return backend.Role().ToAnsi(&c, 1, &byte, 1, flags) == 1 ? byte : '\0';
  }
  WChar Wide(char byte) {
    WChar c = 0;
    return backend.Role().ToWide(&byte, 1, &c, 1) == 1 ? c : u'\0';
  }

  B backend;
};

TYPED_TEST_SUITE_P(CodePageBehaviourTest);

TYPED_TEST_P(CodePageBehaviourTest, EveryByteComesBackWithOrWithoutBestFit) {
  for (int value = 1; value < 256; ++value) {
    const char byte = static_cast<char>(value);
    const WChar wide = this->Wide(byte);
    ASSERT_NE(wide, u'\0') << value;
    EXPECT_EQ(this->Ansi(wide, 0), byte) << value;
    EXPECT_EQ(this->Ansi(wide, kNoBestFit), byte) << value;
  }
  const std::vector<std::pair<unsigned char, WChar>> pinned = {
      {0x41, u'A'}, {0x80, u'€'}, {0x81, u'\u0081'}, {0x8A, u'Š'}, {0x9F, u'Ÿ'}, {0xE4, u'ä'}};
  for (const auto& [byte, wide] : pinned) {
    EXPECT_EQ(this->Wide(static_cast<char>(byte)), wide) << int{byte};
  }
}

TYPED_TEST_P(CodePageBehaviourTest, LetterTheCodePageLacksBecomesALookAlikeOnlyWithBestFit) {
  struct Case {
    WChar wide;
    char bestFit;
  };
  const Case cases[] = {{u'ł', 'l'}, {u'Ł', 'L'}, {u'Ā', 'A'}, {u'č', 'c'},
                        {u'ő', 'o'}, {u'ś', 's'}, {u'Ж', '?'}, {u'☺', '?'}};
  for (const Case& c : cases) {
    EXPECT_EQ(this->Ansi(c.wide, 0), c.bestFit) << int{c.wide};
    EXPECT_EQ(this->Ansi(c.wide, kNoBestFit), '?') << int{c.wide};
  }
}

TYPED_TEST_P(CodePageBehaviourTest, LengthsCountTheTerminatorAndASmallDestinationFails) {
  CodePage& role = this->backend.Role();
  char ansi[4] = {'#', '#', '#', '#'};
  EXPECT_EQ(role.ToAnsi(u"äb", -1, nullptr, 0, kNoBestFit), 3) << "the size asked for";
  EXPECT_EQ(role.ToAnsi(u"äb", -1, ansi, 2, kNoBestFit), 0);
  EXPECT_EQ(role.ToAnsi(u"äb", -1, ansi, 4, kNoBestFit), 3);
  EXPECT_EQ(std::string(ansi),
            "\xE4"
            "b");
  WChar wide[3] = {};
  EXPECT_EQ(role.ToWide("\xF6x", -1, nullptr, 0), 3);
  EXPECT_EQ(role.ToWide("\xF6x", -1, wide, 2), 0);
  EXPECT_EQ(role.ToWide("\xF6x", 2, wide, 2), 2) << "no terminator without -1";
  EXPECT_EQ(WString(wide, 2), u"öx");
}

REGISTER_TYPED_TEST_SUITE_P(CodePageBehaviourTest, EveryByteComesBackWithOrWithoutBestFit,
                            LetterTheCodePageLacksBecomesALookAlikeOnlyWithBestFit,
                            LengthsCountTheTerminatorAndASmallDestinationFails);

}  // namespace lectavo::conformance
