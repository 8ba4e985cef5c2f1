// The control behaviour the programs rely on, as one typed test that runs against every
// window backend: the headless one natively, the win32 one under Wine. Include it in one
// source of a test program and instantiate it there with a backend type B that offers
//   WindowSystem& System();
//   // Shows the dialog modally, runs whileShown meanwhile, then closes it as the close box.
//   void Show(Dialog&, const std::function<void()>& whileShown);
// and the user's actions on the shown dialog's controls:
//   void Type(Dialog&, int id, WStringView);  // character by character
//   void Erase(Dialog&, int id);              // select everything and delete it
//   void Paste(Dialog&, int id, WStringView); // from the clipboard, at the caret
//   void Click(Dialog&, int id);              // a button or a check box
//   void ClickLine(Dialog&, int id, int line);
//   void SelectTab(TabCtrl&, int index);      // a click on a tab
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/dialog.h"
#include "framework/tab_ctrl.h"

namespace lectavo::conformance {

inline constexpr int kEditId = 10;
inline constexpr int kBoxId = 11;
inline constexpr int kComboId = 12;
inline constexpr int kListId = 13;
inline constexpr int kNoteId = 15;
inline constexpr int kNumberId = 16;
inline constexpr int kTabId = 999;

inline constexpr const WChar* kColours[] = {u"Rot", u"Blau", u"Gelb"};
inline constexpr ControlTemplate kControls[] = {
    {kEditId, ControlKind::kEdit, kWsBorder | kEsAutoHScroll, u"", 4, 4, 60, 12},
    {kBoxId, ControlKind::kButton, kBsAutoCheckBox, u" Box", 4, 20, 60, 12},
    {kComboId, ControlKind::kComboBox, kCbsDropDownList | kWsVScroll, u"", 4, 36, 60, 60, kColours},
    {kListId, ControlKind::kListBox, kLbsMultipleSel | kLbsNotify | kWsBorder, u"", 4, 52, 60, 40,
     kColours},
    {14, ControlKind::kButton, kBsPushButton, u"Los", 4, 96, 40, 14},
    {kNoteId, ControlKind::kEdit, kWsBorder | kEsMultiline | kEsWantReturn | kEsAutoVScroll, u"",
     70, 4, 60, 40},
    {kNumberId, ControlKind::kEdit, kWsBorder | kEsNumber, u"", 140, 4, 50, 12},
};
inline const DialogTemplate kTemplate{500, kWsPopup | kWsCaption, 0, u"Probe", 200, 120, kControls};

inline std::string Narrow(WStringView text) { return std::string(text.begin(), text.end()); }

// Records every handler call as "name:state".
class ProbeDialog : public Dialog {
 public:
  explicit ProbeDialog(const DialogTemplate& t = kTemplate) : Dialog(t) {
    OnCommand(kEditId, kEnChange, &ProbeDialog::OnEditChanged);
    OnCommand(kBoxId, kBnClicked, &ProbeDialog::OnBoxClicked);
    OnCommand(kComboId, kCbnSelChange, &ProbeDialog::OnComboChanged);
    OnCommand(kListId, kLbnSelChange, &ProbeDialog::OnListChanged);
    OnCommand(kNoteId, kEnChange, &ProbeDialog::OnNoteChanged);
    OnCommand(kNumberId, kEnChange, &ProbeDialog::OnNumberChanged);
  }
  std::vector<std::string> calls;
  std::vector<WString> itemsAtInit;
  std::function<void(ProbeDialog&)> atInit;

  Edit edit() { return GetEdit(kEditId); }
  Edit note() { return GetEdit(kNoteId); }
  Edit number() { return GetEdit(kNumberId); }
  CheckBox box() { return GetCheckBox(kBoxId); }
  ComboBox combo() { return GetComboBox(kComboId); }
  ListBox list() { return GetListBox(kListId); }

 private:
  bool OnInitDialog() override {
    for (int i = 0; i < list().GetCount(); ++i) itemsAtInit.push_back(list().GetText(i));
    if (atInit) atInit(*this);
    return true;
  }
  void OnEditChanged() { calls.push_back("edit:" + Narrow(edit().GetWindowText())); }
  void OnNoteChanged() { calls.push_back("note:" + Narrow(note().GetWindowText())); }
  void OnNumberChanged() { calls.push_back("number:" + Narrow(number().GetWindowText())); }
  void OnBoxClicked() { calls.push_back("box:" + std::to_string(box().GetCheck())); }
  void OnComboChanged() { calls.push_back("combo:" + std::to_string(combo().GetCurSel())); }
  void OnListChanged() {
    const int caret = list().GetCaretIndex();
    calls.push_back("list:" + std::to_string(caret) + "=" + std::to_string(list().GetSel(caret)));
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

template <class B>
class ControlBehaviourTest : public ::testing::Test {
 protected:
  B backend;
  ProbeDialog dialog;
};

TYPED_TEST_SUITE_P(ControlBehaviourTest);

TYPED_TEST_P(ControlBehaviourTest, TextLimitAppliesToTypingOnlyAndEveryChangeIsReported) {
  auto& d = this->dialog;
  d.atInit = [](ProbeDialog& p) {
    p.edit().SetWindowText(u"12345");   // a program's text is reported as a change
    p.edit().LimitText(2);              // and not cut by a later limit
    p.note().SetWindowText(u"a\r\nb");  // a multi-line edit reports no text of the program
  };
  WString shown;
  this->backend.Show(d, [&] {
    shown = d.edit().GetWindowText();
    this->backend.Erase(d, kEditId);
    this->backend.Type(d, kEditId, u"678");  // the 8 is dropped at the limit, yet reported
    this->backend.Erase(d, kNoteId);
    this->backend.Type(d, kNoteId, u"c");
  });
  EXPECT_EQ(Narrow(shown), "12345");
  EXPECT_EQ(d.calls, (std::vector<std::string>{"edit:12345", "edit:", "edit:6", "edit:67",
                                               "edit:67", "note:", "note:c"}));
}

// Only typing is filtered: a program's text and a pasted one reach a digits-only edit as they
// are, a paste cut to its first line and to the room the limit leaves.
TYPED_TEST_P(ControlBehaviourTest, DigitsOnlyEditRefusesOtherKeysButTakesAProgramsTextAndAPaste) {
  auto& d = this->dialog;
  d.atInit = [](ProbeDialog& p) {
    p.number().SetWindowText(u"-7x");
    p.number().LimitText(3);
  };
  WString shown;
  this->backend.Show(d, [&] {
    shown = d.number().GetWindowText();
    this->backend.Erase(d, kNumberId);
    this->backend.Type(d, kNumberId, u"4-x 2");  // a refused key is not reported
    this->backend.Paste(d, kNumberId, u"-5x");
    this->backend.Paste(d, kNumberId, u"6");  // no room left, yet reported
    this->backend.Erase(d, kNumberId);
    this->backend.Paste(d, kNumberId, u"-1\r\n2");
  });
  EXPECT_EQ(Narrow(shown), "-7x");
  EXPECT_EQ(d.calls,
            (std::vector<std::string>{"number:-7x", "number:", "number:4", "number:42",
                                      "number:42-", "number:42-", "number:", "number:-1"}));
}

TYPED_TEST_P(ControlBehaviourTest, ClickOnACheckBoxTogglesAndReportsAProgramsCheckDoesNot) {
  auto& d = this->dialog;
  d.atInit = [](ProbeDialog& p) { p.box().SetCheck(1); };
  this->backend.Show(d, [&] {
    this->backend.Click(d, kBoxId);
    this->backend.Click(d, kBoxId);
    this->backend.Click(d, 14);  // no handler mapped: nothing runs
  });
  EXPECT_EQ(d.calls, (std::vector<std::string>{"box:0", "box:1"}));
}

TYPED_TEST_P(ControlBehaviourTest,
             ListsGetTheirLinesBeforeInitAndASelectionPastTheListKeepsTheOld) {
  auto& d = this->dialog;
  std::vector<int> results;
  d.atInit = [&results](ProbeDialog& p) {
    results.push_back(p.combo().GetCount());
    results.push_back(p.combo().SetCurSel(1));
    results.push_back(p.combo().GetCurSel());
    results.push_back(p.combo().SetCurSel(3));  // past the list: fails, selection kept
    results.push_back(p.combo().GetCurSel());
    results.push_back(p.combo().SetCurSel(-1));  // clears
    results.push_back(p.combo().GetCurSel());
    results.push_back(p.list().AddString(u"Grün"));
  };
  this->backend.Show(d, [] {});
  EXPECT_EQ(d.itemsAtInit, (std::vector<WString>{u"Rot", u"Blau", u"Gelb"}));
  EXPECT_EQ(results, (std::vector<int>{3, 1, 1, -1, 1, -1, -1, 3}));
  EXPECT_TRUE(d.calls.empty()) << "a program's selection is not reported";
}

TYPED_TEST_P(ControlBehaviourTest, ClickOnAMultipleSelectionLineTogglesItAndMakesItTheFocusLine) {
  auto& d = this->dialog;
  d.atInit = [](ProbeDialog& p) { p.list().SetSel(2, true); };
  std::vector<bool> selected;
  this->backend.Show(d, [&] {
    // No line twice in a row: that would be a double click.
    for (int line : {1, 0, 2, 0}) this->backend.ClickLine(d, kListId, line);
    for (int line = 0; line < 3; ++line) selected.push_back(d.list().GetSel(line));
  });
  EXPECT_EQ(d.calls, (std::vector<std::string>{"list:1=1", "list:0=1", "list:2=0", "list:0=0"}));
  EXPECT_EQ(selected, (std::vector<bool>{false, true, false}));
}

TYPED_TEST_P(ControlBehaviourTest, TabSelectionIsReportedOnlyWhenTheUserMovesIt) {
  auto& d = this->dialog;
  ProbeTabs tabs;
  std::vector<int> seen;
  d.atInit = [&](ProbeDialog& p) {
    ASSERT_TRUE(tabs.Create(p, kWsChild | kWsVisible, Rect{140, 100, 380, 220}, kTabId));
    for (const WChar* caption : {u"Eins", u"Zwei", u"Drei"}) {
      tabs.InsertItem(tabs.GetItemCount(), caption);
    }
    seen.push_back(tabs.GetItemCount());
    seen.push_back(tabs.GetCurSel());  // the first tab inserted is selected
    tabs.SetCurSel(2);
    seen.push_back(tabs.GetCurSel());
  };
  this->backend.Show(d, [&] {
    this->backend.SelectTab(tabs, 1);
    this->backend.SelectTab(tabs, 1);  // the tab already selected reports nothing
    this->backend.SelectTab(tabs, 0);
    seen.push_back(tabs.GetCurSel());
  });
  EXPECT_EQ(seen, (std::vector<int>{3, 0, 2, 0}));
  EXPECT_EQ(tabs.selections, (std::vector<int>{1, 0})) << "a program's selection is not reported";
}

REGISTER_TYPED_TEST_SUITE_P(ControlBehaviourTest,
                            TextLimitAppliesToTypingOnlyAndEveryChangeIsReported,
                            DigitsOnlyEditRefusesOtherKeysButTakesAProgramsTextAndAPaste,
                            ClickOnACheckBoxTogglesAndReportsAProgramsCheckDoesNot,
                            ListsGetTheirLinesBeforeInitAndASelectionPastTheListKeepsTheOld,
                            ClickOnAMultipleSelectionLineTogglesItAndMakesItTheFocusLine,
                            TabSelectionIsReportedOnlyWhenTheUserMovesIt);

}  // namespace lectavo::conformance
