#include "config/general_page.h"
#include "config/general_page_controls.h"
#include "config/page_template_style.h"

namespace lectavo {
namespace {

constexpr const WChar* kLanguages[] = {u"Deutsch", u"English"};

constexpr ControlTemplate kControls[] = {
    {kNoControlId, ControlKind::kButton, kBsGroupBox, u"", 4, 4, 124, 62},
    {kNoControlId, ControlKind::kStatic, kSsCenter,
     u"Sprache für die Dialoge wählen\nSelect the dialog language", 10, 16, 112, 18},
    {kDialogLanguageId, ControlKind::kComboBox, kCbsDropDown | kWsVScroll, u"", 30, 42, 72, 48,
     kLanguages},
    {kWaitStartLabelId, ControlKind::kStatic, kSsLeft, kWaitStartLabelText.german, 4, 80, 100, 20},
    {kWaitStartId, ControlKind::kEdit, kEsRight | kEsAutoHScroll | kWsBorder, u"", 106, 79, 22, 12},
};

}  // namespace

const DialogTemplate kGeneralPageTemplate{136, kPageStyle, 0, u"", 132, 142, kControls};

}  // namespace lectavo
