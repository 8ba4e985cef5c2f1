// Converts between UTF-16 and 8-bit text in the device's ANSI code page, and shows the
// configuration program's bilingual error box.
#pragma once

#include "platform/code_page.h"
#include "platform/types.h"
#include "platform/user_interface.h"

namespace lectavo {

class TextConverter {
 public:
  TextConverter(CodePage& codePage, UserInterface& userInterface)
      : codePage_(codePage), userInterface_(userInterface) {}

  // Both conversions take the source up to and including its terminator and never write
  // more than capacity units; a text that does not fit, or fails to convert, comes out
  // empty. They return the units written, terminator included, or 0.
  int AnsiToWide(WChar* destination, int capacity, const char* source);
  // Characters the code page lacks become '?'.
  int WideToAnsi(char* destination, int capacity, const WChar* source);

  // A message box with the stop icon and only OK, in English when inEnglish is set. Returns
  // when the user has closed it. An owner keeps the box in front of it and disabled until
  // then; before any dialog exists there is none.
  void ErrorBox(WStringView german, WStringView english, bool inEnglish, WStringView caption,
                Handle owner = kNoHandle);

 private:
  CodePage& codePage_;
  UserInterface& userInterface_;
};

}  // namespace lectavo
