#include "config/read_page.h"

#include "config/read_page_controls.h"

namespace lectavo {

const ReadPage::Box ReadPage::kBoxes[5] = {
    {kReadOnId, FlagReadOn},
    {kReadUnaskedId, FlagReadUnasked},
    {kReadSenderId, FlagReadSender},
    {kReadSubjectId, FlagReadSubject},
    {kReadContentsId, FlagReadContents},
};

ReadPage::ReadPage(SettingsRecord* record, TextSource*)
    : Dialog(kReadPageTemplate),
      record_(record),
      boxes_{GetCheckBox(kBoxes[0].id), GetCheckBox(kBoxes[1].id), GetCheckBox(kBoxes[2].id),
             GetCheckBox(kBoxes[3].id), GetCheckBox(kBoxes[4].id)} {
  OnCommand(kBoxes[0].id, kBnClicked, &ReadPage::OnClicked<0>);
  OnCommand(kBoxes[1].id, kBnClicked, &ReadPage::OnClicked<1>);
  OnCommand(kBoxes[2].id, kBnClicked, &ReadPage::OnClicked<2>);
  OnCommand(kBoxes[3].id, kBnClicked, &ReadPage::OnClicked<3>);
  OnCommand(kBoxes[4].id, kBnClicked, &ReadPage::OnClicked<4>);
}

bool ReadPage::OnInitDialog() {
  for (int i = 0; i < 5; ++i) {
    boxes_[i].SetCheck(static_cast<int>(kBoxes[i].bit.Get(record_->ValSpeak)));
  }
  ShowDialogLanguage(*this, kReadPageTexts, record_->ValSpeak);
  return true;
}

// The boxes are independent: a click changes its own bit and nothing else.
template <int Index>
void ReadPage::OnClicked() {
  const int state = boxes_[Index].GetCheck();
  record_->ValSpeak = kBoxes[Index].bit.Set(record_->ValSpeak, state == 1 ? 1 : 0);
}

}  // namespace lectavo
