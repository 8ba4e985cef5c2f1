#include <gtest/gtest.h>

#include "settings/record_values.h"
#include "tests/support/text.h"

namespace lectavo {
namespace {

TEST(SettingsRecord, InstallDefaultDecodesToTheDocumentedSettings) {
  const std::uint32_t speak = kDefaultSpeak;
  for (BitField half : {SpeedHalf, PitchHalf, VolumeHalf})
    EXPECT_EQ(half.Get(speak) * 2, 100u) << half.Mask();
  for (BitField off : {FlagDialogEnglish, FlagAnswerOn, FlagAnswerNote, FlagAnswerOriginal,
                       FlagMaleVoice, FlagReadUnasked})
    EXPECT_EQ(off.Get(speak), 0u) << off.Mask();
  for (BitField on : {FlagReadOn, FlagReadSender, FlagReadSubject, FlagReadContents})
    EXPECT_EQ(on.Get(speak), 1u) << on.Mask();
  EXPECT_EQ(LangNumber.Get(kDefaultUsedLang), 1u);
  EXPECT_EQ(LangListPos.Get(kDefaultUsedLang), 0u);
}

TEST(SettingsRecord, FieldsCoverEveryBitButFifteenExactlyOnce) {
  std::uint32_t covered = 0;
  for (BitField field : {SpeedHalf, PitchHalf, VolumeHalf, FlagDialogEnglish, FlagAnswerOn,
                         FlagAnswerNote, FlagAnswerOriginal, FlagMaleVoice, FlagReadOn,
                         FlagReadUnasked, FlagReadSender, FlagReadSubject, FlagReadContents}) {
    EXPECT_EQ(covered & field.Mask(), 0u);
    covered |= field.Mask();
  }
  EXPECT_EQ(covered, ~(1u << 15));
  EXPECT_EQ(LangNumber.Mask() | LangListPos.Mask(), ~0u);
}

TEST(SettingsRecord, SettingAFieldKeepsEveryOtherBitIncludingBitFifteen) {
  const std::uint32_t speak = kDefaultSpeak | (1u << 15);
  const std::uint32_t slower = SpeedHalf.Set(speak, 10);
  EXPECT_EQ(SpeedHalf.Get(slower), 10u);
  EXPECT_EQ(slower & ~SpeedHalf.Mask(), speak & ~SpeedHalf.Mask());
  // A value wider than the field is cut to the field.
  EXPECT_EQ(PitchHalf.Set(0, 0x1FF), 0x7Fu << 8);
  EXPECT_EQ(FlagReadOn.Set(speak, 0), speak & ~(1u << 27));
  EXPECT_EQ(LangListPos.Set(LangNumber.Set(0, 17), 11), 11u * 64 + 17);
}

// A default outside its range would be corrected, or reported as out of range, at once.
TEST(SettingsRecord, EveryDefaultLiesWithinTheRangeOfItsValue) {
  for (const RecordValue& value : kRecordValues) {
    if (value.type != kDwordType) continue;
    EXPECT_GE(value.standard, value.lowest) << fake::Narrow(value.name);
    EXPECT_LE(value.standard, value.highest) << fake::Narrow(value.name);
  }
  for (const HalvedField& field : kHalvedFields) {
    EXPECT_GE(field.standardHalf * 2, field.lowest) << fake::Narrow(field.name);
    EXPECT_LE(field.standardHalf * 2, field.highest) << fake::Narrow(field.name);
    EXPECT_EQ(field.half.Get(field.half.Set(0, field.highest / 2)), field.highest / 2)
        << fake::Narrow(field.name) << ": the largest value fits the field";
  }
}

}  // namespace
}  // namespace lectavo
