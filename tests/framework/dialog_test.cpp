// The dialog framework on the headless backend: message maps, the Win32 control behaviour the
// pages rely on, modal and child dialogs, the tab control's reflected notification.
#include "framework/dialog.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/headless/headless_window_system.h"
#include "framework/tab_ctrl.h"

namespace lectavo {
namespace {

constexpr const WChar* kColours[] = {u"Rot", u"Blau"};
constexpr ControlTemplate kControls[] = {
    {10, ControlKind::kEdit, kWsBorder, u"", 0, 0, 40, 12},
    {11, ControlKind::kButton, kBsAutoCheckBox, u" Box", 0, 20, 40, 12},
    {12, ControlKind::kComboBox, kCbsDropDown, u"", 0, 40, 40, 40, kColours},
    {13, ControlKind::kListBox, kLbsMultipleSel | kLbsNotify, u"", 0, 60, 40, 40, kColours},
    {14, ControlKind::kButton, kBsPushButton, u"Los", 0, 100, 40, 12},
};
const DialogTemplate kTemplate{500, kWsPopup, 0, u"Probe", 100, 120, kControls};
const DialogTemplate kChildTemplate{501, kWsChild, 0, u"", 50, 50, {}};

// Records every handler call as "id:code".
class ProbeDialog : public Dialog {
 public:
  explicit ProbeDialog(const DialogTemplate& t = kTemplate) : Dialog(t) {
    OnCommand(10, kEnChange, &ProbeDialog::OnEditChanged);
    OnCommand(11, kBnClicked, &ProbeDialog::OnBoxClicked);
    OnCommand(12, kCbnSelChange, &ProbeDialog::OnComboChanged);
    OnCommand(13, kLbnSelChange, &ProbeDialog::OnListChanged);
  }
  std::vector<std::string> calls;
  std::vector<WString> itemsAtInit;
  std::function<void(ProbeDialog&)> atInit;

  Edit edit() { return GetEdit(10); }
  ComboBox combo() { return GetComboBox(12); }

 private:
  bool OnInitDialog() override {
    for (int i = 0; i < GetListBox(13).GetCount(); ++i)
      itemsAtInit.push_back(GetListBox(13).GetText(i));
    if (atInit) atInit(*this);
    return true;
  }
  void OnEditChanged() { calls.push_back("edit:" + EditText()); }
  void OnBoxClicked() { calls.push_back("box:" + std::to_string(GetCheckBox(11).GetCheck())); }
  void OnComboChanged() { calls.push_back("combo:" + std::to_string(GetComboBox(12).GetCurSel())); }
  void OnListChanged() {
    calls.push_back("list:" + std::to_string(GetListBox(13).GetCaretIndex()) + "=" +
                    std::to_string(GetListBox(13).GetSel(GetListBox(13).GetCaretIndex())));
  }
  std::string EditText() {
    std::string out;
    for (WChar c : GetEdit(10).GetWindowText()) out += static_cast<char>(c);
    return out;
  }
};

class ProbeTabs : public TabCtrl {
 public:
  ProbeTabs() { OnReflectedNotify(kTcnSelChange, &ProbeTabs::OnSelChange); }
  std::vector<int> selections;

 private:
  std::intptr_t OnSelChange() {
    selections.push_back(GetCurSel());
    return 0;
  }
};

TEST(DialogTest, ControlsBehaveAsTheWin32ControlsThePagesRelyOn) {
  HeadlessWindowSystem windows;
  ProbeDialog dialog;
  dialog.atInit = [](ProbeDialog& d) {
    d.edit().SetWindowText(u"12345");  // a text set by the program raises the change
    d.edit().LimitText(2);             // and is not cut by a later limit
  };
  windows.whileModal = [](HeadlessWindowSystem& user) {
    EXPECT_EQ(user.Text(10), u"12345");
    user.Erase(10);
    user.Type(10, u"678");  // typing stops at the limit
    user.Click(11);
    user.Click(11);
    user.ChooseItem(12, 1);
    user.ClickLine(13, 1);
    user.ClickLine(13, 1);
    user.Click(14);  // no handler mapped: nothing runs
  };
  EXPECT_EQ(dialog.DoModal(windows), kIdCancelButton);
  EXPECT_EQ(dialog.calls,
            (std::vector<std::string>{"edit:12345", "edit:", "edit:6", "edit:67", "box:1", "box:0",
                                      "combo:1", "list:1=1", "list:1=0"}));
  EXPECT_EQ(dialog.itemsAtInit, (std::vector<WString>{u"Rot", u"Blau"}))
      << "initial items are in place before the initialisation runs";
}

TEST(DialogTest, ComboSelectionOutsideTheListSelectsNothing) {
  HeadlessWindowSystem windows;
  ProbeDialog dialog;
  std::vector<int> results;
  dialog.atInit = [&results](ProbeDialog& d) {
    results.push_back(d.combo().SetCurSel(1));
    results.push_back(d.combo().SetCurSel(2));
    results.push_back(d.combo().GetCurSel());
  };
  dialog.DoModal(windows);
  EXPECT_EQ(results, (std::vector<int>{1, -1, -1}));
}

TEST(DialogTest, OkEndsAModalDialogWithIdOkAnyOtherCloseWithIdCancel) {
  struct Case {
    std::function<void(HeadlessWindowSystem&)> user;
    int result;
  };
  const std::vector<Case> cases = {
      {[](HeadlessWindowSystem& u) { u.PressOk(); }, kIdOkButton},
      {[](HeadlessWindowSystem& u) { u.Close(); }, kIdCancelButton},
      {nullptr, kIdCancelButton},
  };
  for (const Case& c : cases) {
    HeadlessWindowSystem windows;
    windows.whileModal = c.user;
    ProbeDialog dialog;
    EXPECT_EQ(dialog.DoModal(windows), c.result);
    EXPECT_EQ(dialog.GetSafeHwnd(), kNoHandle);
  }
}

TEST(DialogTest, ChildDialogsAndTabControlEndWithTheirParent) {
  HeadlessWindowSystem windows;
  ProbeDialog parent;
  ProbeDialog child(kChildTemplate);
  ProbeTabs tabs;
  parent.atInit = [&](ProbeDialog& d) {
    ASSERT_TRUE(tabs.Create(d, kWsChild, Rect{0, 0, 80, 60}, 999));
    tabs.InsertItem(0, u"Eins");
    tabs.InsertItem(1, u"Zwei");
    ASSERT_TRUE(child.Create(d));
  };
  windows.whileModal = [&](HeadlessWindowSystem& user) {
    EXPECT_EQ(user.Dialogs(), (std::vector<int>{500, 501}));
    EXPECT_EQ(user.TabCaptions(), (std::vector<WString>{u"Eins", u"Zwei"}));
    EXPECT_EQ(user.SelectedTab(), 0) << "the first tab inserted is selected";
    user.SelectTab(1);
    user.SelectTab(1);  // the tab already selected sends nothing
    user.SelectTab(0);
  };
  parent.DoModal(windows);
  EXPECT_EQ(tabs.selections, (std::vector<int>{1, 0}));
  EXPECT_EQ(child.GetSafeHwnd(), kNoHandle);
  EXPECT_EQ(tabs.GetSafeHwnd(), kNoHandle);
}

}  // namespace
}  // namespace lectavo
