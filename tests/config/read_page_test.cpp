// The Read page: each box shows and writes exactly its own bit of ValSpeak.
#include "config/read_page_controls.h"
#include "tests/config/config_fixture.h"

namespace lectavo {
namespace {

struct Box {
  int id;
  unsigned bit;
};
constexpr Box kBoxes[] = {{kReadOnId, 27},
                          {kReadUnaskedId, 28},
                          {kReadSenderId, 29},
                          {kReadSubjectId, 30},
                          {kReadContentsId, 31}};

TEST_F(ConfigTest, ReadBoxesShowTheirBits) {
  for (std::uint32_t speak : {kDefaultSpeak, 0x10000000u, 0x00000000u, 0xFFFFFFFFu}) {
    ConfigHarness t;
    t.PutRecord(speak & ~kEnglish);
    t.RunProgram([speak](HeadlessWindowSystem& user) {
      for (const Box& box : kBoxes) {
        EXPECT_EQ(user.Check(box.id), static_cast<int>((speak >> box.bit) & 1)) << box.id;
      }
    });
  }
}

TEST_F(ConfigTest, EachReadBoxWritesOnlyItsBitAndTwoClicksRestoreIt) {
  for (const Box& box : kBoxes) {
    for (int clicks : {1, 2}) {
      SCOPED_TRACE(testing::Message() << box.id << " clicked " << clicks << " times");
      ConfigHarness t;
      t.PutRecord();
      t.RunProgram([&box, clicks](HeadlessWindowSystem& user) {
        for (int i = 0; i < clicks; ++i) user.Click(box.id);
        for (const Box& other : kBoxes) EXPECT_TRUE(user.Enabled(other.id));
        user.PressOk();
      });
      const std::uint32_t expected = clicks == 1 ? kDefaultSpeak ^ (1u << box.bit) : kDefaultSpeak;
      EXPECT_EQ(t.Stored(u"ValSpeak"), expected);
    }
  }
}

}  // namespace
}  // namespace lectavo
