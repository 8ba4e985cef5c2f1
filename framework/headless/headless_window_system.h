// In-memory windows and controls that behave as the Win32 controls do where the programs rely
// on it, with the actions of a user for tests: type, click, choose, select a tab, close.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include "framework/dialog_template.h"
#include "framework/window_system.h"

namespace lectavo {

class HeadlessWindowSystem final : public WindowSystem {
 public:
  // What the user does while a modal dialog is shown; afterwards the dialog is closed as with
  // the close box unless the user ended it.
  std::function<void(HeadlessWindowSystem&)> whileModal;
  // A child dialog or a tab control that cannot be made, as when memory runs out.
  bool failChildWindows = false;

  // The user's actions on the control with this id in the newest dialog that has one.
  // Character by character, within the text limit; a digits-only edit takes digits only.
  void Type(int id, WStringView text);
  // Text pasted at the end, within the text limit, unfiltered.
  void Paste(int id, WStringView text);
  void Erase(int id);                   // select everything and delete it
  void Click(int id);                   // a button or a check box
  void ChooseItem(int id, int index);   // a combo box line
  void ClickLine(int id, int index);    // a list box line
  // An arrow key in a list box: the focus line moves, the selection stays, the list notifies.
  void MoveCaret(int id, int index);
  // A key pressed while the modal dialog has the focus, with Ctrl and Shift as given.
  void PressKey(int virtualKey, bool control = false, bool shift = false);
  void SelectTab(int index);            // a click on a tab of the tab control
  void PressOk();                       // the dialog's OK
  void Close();                         // any other way of closing

  // What the user sees.
  bool Exists(int id) const;
  WString Text(int id) const;
  int Check(int id) const;
  int Selection(int id) const;
  std::vector<WString> Items(int id) const;
  // The lines of a multiple-selection list box that are selected, in order.
  std::vector<int> SelectedLines(int id) const;
  bool Enabled(int id) const;
  std::vector<WString> TabCaptions() const;
  int SelectedTab() const;
  // The id of the control with the keyboard focus, as the dialog manager last moved it.
  int FocusedId() const;
  int TopIndex(int id) const { return ControlWindow(id).top; }
  int HorizontalExtent(int id) const { return ControlWindow(id).extent; }
  // The control's rectangle in its dialog's client coordinates.
  Rect ControlRect(int id) const;
  // The modal dialog's window; kNoHandle while none is shown.
  Handle ModalWindow() const { return modal_; }
  // Template ids of the dialog windows that exist, oldest first.
  std::vector<int> Dialogs() const;
  // The rectangle of the newest child dialog, in its parent's client coordinates.
  Rect PageRect() const;

  int RunModal(Dialog& dialog) override;
  Handle CreateChildDialog(Dialog& dialog, Handle parent) override;
  Handle CreateTabControl(TabCtrl& tab, Handle parent, std::uint32_t style, const Rect& rect,
                          int id) override;
  void EndDialog(Handle dialog, int result) override;
  bool DestroyWindow(Handle window) override;
  Handle GetDlgItem(Handle dialog, int id) override;
  std::intptr_t Send(Handle window, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
  bool EnableWindow(Handle window, bool enable) override;
  bool GetWindowRect(Handle window, Rect* rect) override;
  bool GetClientRect(Handle window, Rect* rect) override;
  bool ScreenToClient(Handle window, Point* point) override;
  bool SetWindowPos(Handle window, Handle insertAfter, const Rect& rect, std::uint32_t flags)
      override;
  bool ShowWindow(Handle window, int command) override;
  void CenterWindow(Handle window) override;
  Handle LoadSmallIcon(int resourceId) override;
  void RemoveOnePendingMessage() override;
  std::vector<Handle> Children(Handle window) override;
  void FocusFirstControl(Handle dialog, Handle page, Handle fallback) override;
  int TextWidth(Handle window, WStringView text) override;
  Rect LayoutArea(Handle dialog) override;
  void FitTabDisplayArea(Handle dialog, Handle tab, int widthDialogUnits, int heightDialogUnits)
      override;

 private:
  enum class Kind { kDialog, kButton, kEdit, kStatic, kListBox, kComboBox, kTab };
  struct Window {
    Kind kind = Kind::kDialog;
    Handle parent = kNoHandle;
    int id = 0;
    std::uint32_t style = 0;
    Dialog* dialog = nullptr;
    TabCtrl* tab = nullptr;
    Rect rect;  // screen coordinates
    bool enabled = true;
    bool visible = false;
    WString text;
    int limit = 30000;
    int check = 0;
    std::vector<WString> items;
    std::vector<bool> selected;
    int current = -1;  // selection of a combo box or tab control, caret of a list box
    int top = 0;       // first line a list box shows
    int extent = 0;    // how far a list box scrolls across
    bool ended = false;
    int result = 0;
  };

  Handle MakeDialogWindow(Dialog& dialog, Handle parent);
  void Destroy(Handle window);
  Window* Find(Handle window);
  const Window* Find(Handle window) const;
  // The control with this id in the newest dialog that has one; fails the test's premise
  // loudly when there is none.
  Handle Control(int id) const;
  const Window& ControlWindow(int id) const { return windows_.at(Control(id)); }
  void Notify(Handle control, std::uint32_t code);
  Handle TabWindow() const;

  std::map<Handle, Window> windows_;
  Handle next_ = 0x10;
  Handle modal_ = kNoHandle;
  Handle focus_ = kNoHandle;
};

}  // namespace lectavo
