// The "Vorlesen" / "Read" page: five switches, each one bit of ValSpeak, written into the
// record at every click.
#pragma once

#include "config/text_source.h"
#include "framework/dialog.h"
#include "settings/settings_record.h"

namespace lectavo {

extern const DialogTemplate kReadPageTemplate;

class ReadPage final : public Dialog {
 public:
  ReadPage(SettingsRecord* record, TextSource* texts);

 private:
  struct Box {
    int id;
    BitField bit;
  };
  static const Box kBoxes[5];

  bool OnInitDialog() override;
  // The click handler of the box at this index of kBoxes.
  void OnClicked(int index);

  SettingsRecord* record_;
  CheckBox boxes_[5];
};

}  // namespace lectavo
