// The bilingual texts of the configuration program that do not come from a dialog template:
// the tab captions and the speech-language names. Its language is fixed at start-up. Every call
// returns its text in one shared buffer that the next call overwrites, so callers copy it at once.
#pragma once

#include "config/config_dialog_controls.h"
#include "config/text_converter.h"
#include "platform/types.h"

namespace lectavo {

class TextSource {
 public:
  TextSource(CodePage& codePage, UserInterface& userInterface)
      : converter_(codePage, userInterface) {}
  TextSource(const TextSource&) = delete;
  TextSource& operator=(const TextSource&) = delete;

  // 0 German, 1 English.
  void SetLanguage(int english) { english_ = english; }
  // The caption of the tab at this position, counted from 0; empty outside the tabs.
  const WChar* TabCaption(int position);
  // The name of the speech language at this table position, counted from 0 (LangNumber - 1);
  // empty for a position without a name or outside the table.
  const WChar* LanguageName(int position);

 private:
  const WChar* Convert(const char* german, const char* english);

  int english_ = 0;
  TextConverter converter_;
  WChar output_[256] = {};
};

}  // namespace lectavo
