// The dialog framework on the headless backend: the control behaviour the pages rely on (shared
// with the win32 backend's Wine test), modal and child dialogs, the tab control's reflected
// notification.
#include "framework/dialog.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/headless/headless_window_system.h"
#include "framework/tab_ctrl.h"
#include "tests/framework/control_behaviour.h"

namespace lectavo {
namespace conformance {

// The headless backend as the user of the shared control tests.
struct HeadlessUser {
  HeadlessWindowSystem system;

  WindowSystem& System() { return system; }
  void Show(Dialog& dialog, const std::function<void()>& whileShown) {
    system.whileModal = [&whileShown](HeadlessWindowSystem&) { whileShown(); };
    dialog.DoModal(system);
  }
  void Type(Dialog&, int id, WStringView text) { system.Type(id, text); }
  void Erase(Dialog&, int id) { system.Erase(id); }
  void Paste(Dialog&, int id, WStringView text) { system.Paste(id, text); }
  void Click(Dialog&, int id) { system.Click(id); }
  void ClickLine(Dialog&, int id, int line) { system.ClickLine(id, line); }
  void SelectTab(TabCtrl&, int index) { system.SelectTab(index); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(HeadlessControls, ControlBehaviourTest, HeadlessUser);

}  // namespace conformance

namespace {

using conformance::ProbeDialog;
using conformance::ProbeTabs;

const DialogTemplate kChildTemplate{501, kWsChild, 0, u"", 50, 50, {}};

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

// A map entry may bind any callable: one method serves several controls, each entry handing
// it the index of its own control; a later entry for a control and code replaces the earlier.
TEST(DialogTest, AMapEntryBindsACallableThatCarriesItsControlsIndex) {
  class IndexedDialog final : public ProbeDialog {
   public:
    IndexedDialog() {
      const int ids[] = {conformance::kBoxId, 14};
      for (int i = 0; i < 2; ++i) OnCommand(ids[i], kBnClicked, [this, i] { Clicked(i); });
      OnCommand(conformance::kEditId, kEnChange, [this] { calls.push_back("replaced"); });
    }

   private:
    void Clicked(int index) { calls.push_back("clicked:" + std::to_string(index)); }
  };
  HeadlessWindowSystem windows;
  IndexedDialog dialog;
  windows.whileModal = [](HeadlessWindowSystem& user) {
    user.Click(14);
    user.Click(conformance::kBoxId);
    user.Type(conformance::kEditId, u"a");
  };
  dialog.DoModal(windows);
  EXPECT_EQ(dialog.calls, (std::vector<std::string>{"clicked:1", "clicked:0", "replaced"}));
}

}  // namespace
}  // namespace lectavo
