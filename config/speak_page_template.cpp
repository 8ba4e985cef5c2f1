#include "config/page_template_style.h"
#include "config/speak_page.h"
#include "config/speak_page_controls.h"

namespace lectavo {
namespace {

constexpr std::uint32_t kNumberEdit = kEsNumber | kEsRight | kWsBorder;

constexpr ControlTemplate kControls[] = {
    {kSpeedLabelId, ControlKind::kStatic, kSsLeft, kSpeedLabelText.german, 4, 10, 100, 20},
    {kSpeedId, ControlKind::kEdit, kNumberEdit, u"", 106, 9, 24, 12},
    {kPitchLabelId, ControlKind::kStatic, kSsLeft, kPitchLabelText.german, 4, 32, 100, 12},
    {kPitchId, ControlKind::kEdit, kNumberEdit, u"", 106, 31, 24, 12},
    {kVolumeLabelId, ControlKind::kStatic, kSsLeft, kVolumeLabelText.german, 4, 52, 100, 12},
    {kVolumeId, ControlKind::kEdit, kNumberEdit, u"", 106, 51, 24, 12},
    {kSpeechLanguageLabelId, ControlKind::kStatic, kSsLeft, kSpeechLanguageLabelText.german, 4, 74,
     126, 10},
    {kSpeechLanguageId, ControlKind::kComboBox, kCbsDropDownList | kWsVScroll, u"", 4, 86, 126, 90},
    {kMaleVoiceId, ControlKind::kButton, kBsAutoCheckBox, kMaleVoiceText.german, 4, 108, 126, 12},
};

}  // namespace

const DialogTemplate kSpeakPageTemplate{134, kPageStyle, 0, u"", 134, 142, kControls};

}  // namespace lectavo
