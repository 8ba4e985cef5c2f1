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
  for (int i = 0; i < 5; ++i) {
    OnCommand(kBoxes[i].id, kBnClicked, [this, i] { OnClicked(i); });
  }
}

bool ReadPage::OnInitDialog() {
  for (int i = 0; i < 5; ++i) {
    boxes_[i].SetCheck(static_cast<int>(kBoxes[i].bit.Get(record_->ValSpeak)));
  }
  ShowDialogLanguage(*this, kReadPageTexts, record_->ValSpeak);
  return true;
}

// The boxes are independent: a click changes its own bit and nothing else.
void ReadPage::OnClicked(int index) {
  const int state = boxes_[index].GetCheck();
  record_->ValSpeak = kBoxes[index].bit.Set(record_->ValSpeak, state == 1 ? 1 : 0);
}

}  // namespace lectavo
