// The Speak page's control ids, shared by the page, its template and the tests, and its texts
// in both dialog languages.
#pragma once

#include "config/page_language.h"

namespace lectavo {

enum SpeakPageControl : int {
  kSpeedLabelId = 1018,
  kSpeedId = 1008,
  kPitchLabelId = 1019,
  kPitchId = 1009,
  kVolumeLabelId = 1020,
  kVolumeId = 1010,
  kSpeechLanguageLabelId = 1021,
  kSpeechLanguageId = 1011,
  kMaleVoiceId = 1005,
};

inline constexpr LanguageRow kSpeedLabelText{kSpeedLabelId, u"Sprachgeschwindigkeit (20..500)",
                                             u"Speed (20..500)"};
inline constexpr LanguageRow kPitchLabelText{kPitchLabelId, u"Tonhöhe (50..200)",
                                             u"Pitch (50..200)"};
inline constexpr LanguageRow kVolumeLabelText{kVolumeLabelId, u"Lautstärke (0..100)",
                                              u"Volume (0..100)"};
inline constexpr LanguageRow kSpeechLanguageLabelText{kSpeechLanguageLabelId, u"Sprache",
                                                      u" Standard language"};
inline constexpr LanguageRow kMaleVoiceText{kMaleVoiceId, u" männliche Stimme",
                                            u" German masculine voice"};

inline constexpr LanguageRow kSpeakPageTexts[] = {
    kSpeedLabelText, kPitchLabelText, kVolumeLabelText, kSpeechLanguageLabelText, kMaleVoiceText};

}  // namespace lectavo
