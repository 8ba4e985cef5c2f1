#include "device_control/device_names.h"

#include "config/config_dialog_controls.h"
#include "platform/win32/wide.h"
#include "settings/program_paths.h"
#include "today/today_item_class.h"

namespace lectavo {

std::optional<std::wstring> DeviceName(const std::wstring& what) {
  if (what == L"program-folder") return ToApi(kProgramFolder);
  if (what == L"config-dialog") return ToApi(kDialogCaption);
  if (what == L"accounts-tab") return std::to_wstring(kAccountsTab);
  if (what == L"today-item") return ToApi(kTodayItemClass);
  return std::nullopt;
}

}  // namespace lectavo
