// The yardstick for Lectavo_Config's start-up: the smallest program that shows a dialog of
// the same size, built from a template in memory, with an OK button.
#include <windows.h>

namespace {

INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(window, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

// DLGTEMPLATE with one OK button, DWORD-aligned.
struct alignas(4) Template {
  DLGTEMPLATE dialog{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 1, 0, 0, 196, 90};
  WORD menu = 0;
  WORD windowClass = 0;
  WCHAR caption[10] = L"  Minimal";
  WORD padding = 0;
  DLGITEMTEMPLATE ok{WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 0, 140, 70, 50, 14, IDOK};
  WORD buttonClass[2] = {0xFFFF, 0x0080};
  WCHAR text[3] = L"OK";
  WORD extra = 0;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  static const Template dialog;
  return static_cast<int>(DialogBoxIndirectParamW(instance, &dialog.dialog, nullptr, Proc, 0));
}
