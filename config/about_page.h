// The "Info" / "About" page: product name, version, maker; the same in both languages.
#pragma once

#include "framework/dialog.h"

namespace lectavo {

extern const DialogTemplate kAboutPageTemplate;

class AboutPage final : public Dialog {
 public:
  AboutPage() : Dialog(kAboutPageTemplate) {}
};

}  // namespace lectavo
