// The framework on real Win32 windows: dialogs built in memory from the templates, WM_COMMAND
// and WM_NOTIFY through the message maps, the common controls' tab control.
#pragma once

#include "framework/window_system.h"

namespace lectavo {

class Win32WindowSystem final : public WindowSystem {
 public:
  // instance: the module that holds the icon resources.
  explicit Win32WindowSystem(Handle instance);

  LECTAVO_WINDOW_SYSTEM_OVERRIDES

 private:
  Handle instance_;
};

}  // namespace lectavo
