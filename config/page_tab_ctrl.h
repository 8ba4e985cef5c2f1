// The main dialog's tab control: seven tabs, one page at a time. Selecting a tab destroys the
// page shown before the new one is constructed, so two pages never exist together.
#pragma once

#include <memory>

#include "config/page_platform.h"
#include "config/text_source.h"
#include "framework/dialog.h"
#include "framework/tab_ctrl.h"
#include "platform/messaging.h"
#include "settings/settings_record.h"

namespace lectavo {

class PageTabCtrl final : public TabCtrl {
 public:
  PageTabCtrl(SettingsRecord* record, TextSource* texts, const PagePlatform& platform);

  // The seven tabs with their captions, in position order.
  void InsertTabs();
  // Shows the page of the selected tab; force shows the "Vorlesen" / "Read" page instead.
  void SwitchPage(bool force);
  // Shows the page step tabs to the right (left when negative), wrapping around, and gives
  // the focus to its first control.
  void Step(int step);
  // The size in dialog units that every page fits into.
  static void LargestPageSize(int* width, int* height);

 private:
  std::intptr_t OnSelChange();

  int shown_ = -1;
  std::unique_ptr<Dialog> page_;
  SettingsRecord* record_;
  TextSource* texts_;
  PagePlatform platform_;
};

}  // namespace lectavo
