#include "config/answer_text_page.h"
#include "config/answer_text_page_controls.h"
#include "config/page_template_style.h"

namespace lectavo {
namespace {

constexpr ControlTemplate kControls[] = {
    {kNoteLabelId, ControlKind::kStatic, kSsLeft, kNoteLabelText.german, 4, 4, 124, 10},
    {kNoteFieldId, ControlKind::kEdit,
     kEsMultiline | kEsAutoVScroll | kEsAutoHScroll | kEsWantReturn | kWsVScroll | kWsHScroll |
         kWsBorder,
     u"", 4, 16, 124, 98},
    {kSaveNoteId, ControlKind::kButton, kBsDefPushButton, kSaveNoteText.german, 4, 120, 124, 16},
};

}  // namespace

const DialogTemplate kAnswerTextPageTemplate{138, kPageStyle, 0, u"", 132, 142, kControls};

}  // namespace lectavo
