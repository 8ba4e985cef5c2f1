#include "config/read_page.h"

namespace lectavo {

const ReadPage::Box ReadPage::kBoxes[5] = {
    {1000, FlagReadOn, u" Activate reading"},    {1001, FlagReadUnasked, u" Read without demand"},
    {1002, FlagReadSender, u" Read sender"},     {1003, FlagReadSubject, u" Read subject"},
    {1004, FlagReadContents, u" Read contents"},
};

ReadPage::ReadPage(SettingsRecord* record, TextSource*)
    : Dialog(kReadPageTemplate),
      record_(record),
      boxes_{GetCheckBox(1000), GetCheckBox(1001), GetCheckBox(1002), GetCheckBox(1003),
             GetCheckBox(1004)} {
  OnCommand(1000, kBnClicked, &ReadPage::OnClicked<0>);
  OnCommand(1001, kBnClicked, &ReadPage::OnClicked<1>);
  OnCommand(1002, kBnClicked, &ReadPage::OnClicked<2>);
  OnCommand(1003, kBnClicked, &ReadPage::OnClicked<3>);
  OnCommand(1004, kBnClicked, &ReadPage::OnClicked<4>);
}

bool ReadPage::OnInitDialog() {
  for (int i = 0; i < 5; ++i) {
    boxes_[i].SetCheck(static_cast<int>(kBoxes[i].bit.Get(record_->ValSpeak)));
  }
  if (FlagDialogEnglish.Get(record_->ValSpeak) == 1) {
    for (int i = 0; i < 5; ++i) boxes_[i].SetWindowText(kBoxes[i].english);
  }
  return true;
}

// The boxes are independent: a click changes its own bit and nothing else.
template <int Index>
void ReadPage::OnClicked() {
  const int state = boxes_[Index].GetCheck();
  record_->ValSpeak = kBoxes[Index].bit.Set(record_->ValSpeak, state == 1 ? 1 : 0);
}

}  // namespace lectavo
