// The dialog procedure every framework dialog and page runs on: it attaches the Dialog object
// at WM_INITDIALOG and routes WM_COMMAND and WM_NOTIFY into its message map.
#pragma once

#include <windows.h>

namespace lectavo {

class Dialog;
class WindowSystem;

// What the dialog procedure is given at WM_INITDIALOG.
struct Creation {
  Dialog* dialog;
  WindowSystem* system;
};

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace lectavo
