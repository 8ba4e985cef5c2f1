// What a screen reader can announce on every page: it names an edit, a combo box or a list
// box by the static label just before it in the tab order (the template's order), and a
// button or check box by its own text. (The English texts are heard by the Wine test.)
#include <gtest/gtest.h>

#include <span>

#include "config/about_page.h"
#include "config/accounts_page.h"
#include "config/answer_page.h"
#include "config/answer_text_page.h"
#include "config/general_page.h"
#include "config/read_page.h"
#include "config/speak_page.h"
#include "framework/window_messages.h"

namespace lectavo {
namespace {

bool HasText(const WChar* text) { return text != nullptr && text[0] != u'\0'; }

TEST(PageLabelsTest, EveryFieldFollowsALabelAndEveryButtonHasText) {
  const struct {
    const char* name;
    const DialogTemplate& page;
  } pages[] = {
      {"General", kGeneralPageTemplate}, {"Read", kReadPageTemplate},
      {"Answer", kAnswerPageTemplate},   {"Answer text", kAnswerTextPageTemplate},
      {"Speak", kSpeakPageTemplate},     {"Accounts", kAccountsPageTemplate},
      {"About", kAboutPageTemplate},
  };
  for (const auto& p : pages) {
    const std::span<const ControlTemplate> controls = p.page.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const ControlTemplate& c = controls[i];
      SCOPED_TRACE(testing::Message()
                   << p.name << " page, control " << i << " (id " << c.id << ")");
      switch (c.kind) {
        case ControlKind::kEdit:
        case ControlKind::kComboBox:
        case ControlKind::kListBox: {
          if (i == 0) {
            ADD_FAILURE() << "the first control has no label before it";
            break;
          }
          const ControlTemplate& label = controls[i - 1];
          EXPECT_EQ(label.kind, ControlKind::kStatic) << "the control before it is no label";
          EXPECT_TRUE(HasText(label.text));
          break;
        }
        case ControlKind::kButton:
          // A group box takes no focus and is never announced.
          if ((c.style & kBsTypeMask) == kBsGroupBox) break;
          EXPECT_TRUE(HasText(c.text));
          break;
        case ControlKind::kStatic:
          break;
      }
    }
  }
}

}  // namespace
}  // namespace lectavo
