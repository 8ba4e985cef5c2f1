#include "config/config_dialog.h"

#include "framework/window_messages.h"

namespace lectavo {

ConfigDialog::ConfigDialog(SettingsRecord* record, TextSource* texts, const PagePlatform& platform,
                           Handle smallIcon)
    : Dialog(kConfigDialogTemplate), smallIcon_(smallIcon), tabs_(record, texts, platform) {}

bool ConfigDialog::OnInitDialog() {
  WindowSystem& system = System();
  const Handle window = GetSafeHwnd();
  system.Send(window, kWmSetIcon, kIconSmall, static_cast<std::intptr_t>(smallIcon_));
  system.CenterWindow(window);

  const Rect area = system.LayoutArea(window);
  const Rect tabArea{area.left + 2, area.top - 10, area.right - 2, area.bottom - 20};
  // A tab stop, so that Tab comes round to the page captions again, as in any tabbed dialog.
  if (!tabs_.Create(*this, kWsChild | kWsVisible | kWsTabStop | kTcsFixedWidth, tabArea,
                    kTabControlId)) {
    return true;
  }
  tabs_.InsertTabs();
  int width = 0;
  int height = 0;
  PageTabCtrl::LargestPageSize(&width, &height);
  system.FitTabDisplayArea(window, tabs_.GetSafeHwnd(), width, height);
  tabs_.SwitchPage(true);
  return true;
}

bool ConfigDialog::PreTranslateKey(int virtualKey, bool control, bool shift) {
  if (!control || tabs_.GetSafeHwnd() == kNoHandle) return false;
  int step = 0;
  if (virtualKey == kVkTab) step = shift ? -1 : 1;
  if (virtualKey == kVkPageDown) step = 1;
  if (virtualKey == kVkPageUp) step = -1;
  if (step == 0) return false;
  tabs_.Step(step);
  return true;
}

}  // namespace lectavo
