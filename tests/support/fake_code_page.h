// The ANSI code page of a German or English device: Windows-1252.
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
  int ToAnsi(const WChar* source, int sourceLength, char* destination,
             int destinationLength) override;
};

}  // namespace lectavo::fake
