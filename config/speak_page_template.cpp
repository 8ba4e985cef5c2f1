#include "config/page_template_style.h"
#include "config/speak_page.h"

namespace lectavo {
namespace {

constexpr std::uint32_t kNumberEdit = kEsNumber | kEsRight | kWsBorder;

constexpr ControlTemplate kControls[] = {
    {1018, ControlKind::kStatic, kSsLeft, u"Sprachgeschwindigkeit (20..500)", 4, 10, 100, 20},
    {1008, ControlKind::kEdit, kNumberEdit, u"", 106, 9, 24, 12},
    {1019, ControlKind::kStatic, kSsLeft, u"Tonhöhe (50..200)", 4, 32, 100, 12},
    {1009, ControlKind::kEdit, kNumberEdit, u"", 106, 31, 24, 12},
    {1020, ControlKind::kStatic, kSsLeft, u"Lautstärke (0..100)", 4, 52, 100, 12},
    {1010, ControlKind::kEdit, kNumberEdit, u"", 106, 51, 24, 12},
    {1021, ControlKind::kStatic, kSsLeft, u"Sprache", 4, 74, 126, 10},
    {1011, ControlKind::kComboBox, kCbsDropDownList | kWsVScroll, u"", 4, 86, 126, 90},
    {1005, ControlKind::kButton, kBsAutoCheckBox, u" männliche Stimme", 4, 108, 126, 12},
};

}  // namespace

const DialogTemplate kSpeakPageTemplate{134, kPageStyle, 0, u"", 134, 142, kControls};

}  // namespace lectavo
