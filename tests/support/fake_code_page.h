// The ANSI code page of a German or English device: Windows-1252, with its best fit.
#pragma once

#include "platform/code_page.h"
#include "tests/support/faults.h"

namespace lectavo::fake {

class FakeCodePage final : public CodePage {
 public:
  // Operations: ToWide, ToAnsi.
  Faults faults;

  int ToWide(const char* source, int sourceLength, WChar* destination,
             int destinationLength) override;
  // Without kNoBestFit the letters of a sample of the code page's best-fit table lose their
  // marks, as WideCharToMultiByte's default conversion does.
  int ToAnsi(const WChar* source, int sourceLength, char* destination, int destinationLength,
             std::uint32_t flags) override;
};

}  // namespace lectavo::fake
