// Lectavo_Config.exe under Wine driven by keyboard and mouse as a person drives it: keys that
// pass the program's dialog loop, chords and clicks through the system's input, a second start,
// a message box in the way.
#include "tests/wine/config/config_user_fixture.h"

#include <algorithm>
#include <functional>

namespace lectavo {
namespace {

using namespace lectavo::device;
using namespace lectavo::wine;

class DialogKeysWineTest : public ConfigUserTest {
 public:
  // Selects everything in the note and types text in its place.
  void TypeNote(const wchar_t* text) {
    HWND note = Item(1008);
    ASSERT_TRUE(Focus(note));
    SendMessageW(note, EM_SETSEL, 0, -1);
    TypeChars(note, text);
  }
  void PressEnterOnSave() {
    ASSERT_TRUE(Focus(Item(IDOK)));
    PressKey(Item(IDOK), VK_RETURN);
  }
  static std::string Note() { return device::Content(kNote).value_or("<none>"); }
  bool Chord(std::initializer_list<WORD> keys) { return PressChord(dialog, keys); }
};

TEST_F(DialogKeysWineTest, KeysOnEveryPageDoWhatTheyPromiseAndTheDialogStaysOpen) {
  struct Case {
    const char* name;
    int tab;       // the page opened first
    int focusId;   // the control focused first; kTabs for the tab control
    std::function<void(DialogKeysWineTest&)> keys;
    int tabAfter;
    int focusIdAfter;  // where the focus is afterwards
    const char* note;  // the note file afterwards
  };
  const Case cases[] = {
      {"Enter on the save button saves the note", 3, 1008,
       [](DialogKeysWineTest& t) {
         t.TypeNote(L"Hallo");
         t.PressEnterOnSave();
       },
       3, IDOK, "Hallo"},
      {"Enter in the note starts a line stored as CR LF", 3, 1008,
       [](DialogKeysWineTest& t) {
         t.TypeNote(L"a");
         PressKey(t.Item(1008), VK_RETURN);
         ASSERT_TRUE(WaitUntil([&] { return Text(t.Item(1008)) == L"a\r\n"; }));
         TypeChars(t.Item(1008), L"b");
         t.PressEnterOnSave();
       },
       3, IDOK, "a\r\nb"},
      {"Ctrl+Tab: the next page, focus on its first control", 1, 1002,
       [](DialogKeysWineTest& t) { EXPECT_TRUE(t.Chord({VK_CONTROL, VK_TAB})); }, 2, 1000,
       "<none>"},
      {"Ctrl+Shift+Tab from the first page wraps to the last", 0, 1008,
       [](DialogKeysWineTest& t) { EXPECT_TRUE(t.Chord({VK_CONTROL, VK_SHIFT, VK_TAB})); }, 6,
       kTabs, "<none>"},
      {"Ctrl+PageDown from the last page wraps to the first", 6, kTabs,
       [](DialogKeysWineTest& t) { EXPECT_TRUE(t.Chord({VK_CONTROL, VK_NEXT})); }, 0, 1023,
       "<none>"},
      {"Ctrl+PageUp from the note: the page before, the note not saved", 4, 1008,
       [](DialogKeysWineTest& t) {
         EXPECT_TRUE(t.Chord({VK_CONTROL, VK_PRIOR}));
         ASSERT_TRUE(WaitUntil([&] { return SelectedTab(t.Tabs()) == 3; }));
         t.TypeNote(L"x");
         EXPECT_TRUE(t.Chord({VK_CONTROL, VK_PRIOR}));
       },
       2, 1000, "<none>"},
      {"arrow keys in the accounts list choose nothing; Space toggles", 5, 1006,
       [](DialogKeysWineTest& t) {
         for (WORD key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_UP, VK_SPACE}) PressKey(t.Item(1006), key);
         ASSERT_TRUE(WaitUntil([&] { return SendMessageW(t.Item(1006), LB_GETSEL, 2, 0) > 0; }));
         EXPECT_EQ(SelectedLines(t.Item(1006)), (std::vector<int>{1, 2}));
       },
       5, 1006, "<none>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PutRecord(kDefaultSpeak, L"B\t");
    PutStores({L"A", L"B", L"C", L"D", L"E"});
    Open(c.tab);
    ASSERT_TRUE(Focus(c.focusId == kTabs ? Tabs() : Item(c.focusId)));
    c.keys(*this);
    EXPECT_TRUE(WaitUntil([&] { return SelectedTab(Tabs()) == c.tabAfter; }));
    HWND expected = c.focusIdAfter == kTabs ? Tabs() : Item(c.focusIdAfter);
    EXPECT_TRUE(WaitUntil([&] { return expected != nullptr && Focused(expected); }));
    RECT caption{};
    EXPECT_TRUE(TabRect(Tabs(), c.tabAfter, &caption)) << "the selected caption is in view";
    EXPECT_TRUE(WaitUntil([&] { return Note() == c.note; }, 1000)) << Note();
    if (WaitForDialog(program->Id(), kCaption, 0) != dialog) {
      ADD_FAILURE() << "the dialog closed";
      program->WaitForExit(10000);
      dialog = nullptr;
      continue;
    }
    Confirm();
    EXPECT_EQ(Stored(L"StrAccounts"), c.tab == kAccountsTab ? L"B\tC\t" : L"B\t");
    DeleteFileW(kNote);
  }
}

// Escape leaves the dialog and stores nothing wherever the focus is, in the note too, which
// keeps Enter for its lines.
TEST_F(DialogKeysWineTest, EscapeClosesTheDialogWithoutStoringWhereverTheFocusIs) {
  struct Case {
    const char* name;
    int tab;
    int focusId;  // kTabs for the tab control
  };
  const Case cases[] = {
      {"in the note", 3, 1008},
      {"on the note's save button", 3, IDOK},
      {"on a check box", 1, 1000},
      {"in the accounts list", 5, 1006},
      {"on the tab control", 6, kTabs},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PutRecord();
    PutStores({L"A", L"B"});
    Open(1);
    Click(Item(1000));  // a change that Escape must not store
    ASSERT_EQ(CheckState(Item(1000)), BST_UNCHECKED);
    SelectTab(Tabs(), c.tab);
    if (c.tab == kAnswerTextTab) TypeNote(L"neu");
    HWND control = c.focusId == kTabs ? Tabs() : Item(c.focusId);
    ASSERT_TRUE(Focus(control));
    PressKey(control, VK_ESCAPE);
    EXPECT_TRUE(program->WaitForExit(10000)) << "the dialog closes";
    dialog = nullptr;
    EXPECT_EQ(Speak(), kDefaultSpeak);
    EXPECT_EQ(Note(), "<none>");
  }
}

// A note that cannot be saved is told in a box that belongs to the dialog: the dialog waits
// for it, a click on a tab meanwhile changes nothing, and a second start (a tap on the Today
// item) brings the box to the front, not the dialog.
TEST_F(DialogKeysWineTest, NoteSaveFailureBoxHoldsTheDialogUntilItIsClosed) {
  PutRecord();
  ASSERT_TRUE(CreateDirectoryW(kNote, nullptr)) << "a folder in the note's place";
  Open(3);
  HWND box = nullptr;
  ASSERT_TRUE(ClickControl(
      Item(IDOK), [&] { return (box = WaitForDialog(program->Id(), L"Lectavo", 0)) != nullptr; }));
  const std::vector<std::wstring> texts = Texts(box);
  EXPECT_NE(
      std::find(texts.begin(), texts.end(), L"Der Antworttext konnte nicht gespeichert werden."),
      texts.end());
  EXPECT_EQ(GetWindow(box, GW_OWNER), dialog);
  EXPECT_FALSE(IsWindowEnabled(dialog)) << "the dialog waits for the box";

  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               200, 100, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other; }));
  device::StartedProcess second(PackagePath(L"Lectavo_Config.exe"));
  ASSERT_TRUE(second.Started());
  EXPECT_TRUE(second.WaitForExit(15000));
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == box; })) << "the box is in front";
  DestroyWindow(other);

  // A click on the next tab, then one on the box's OK: the box takes the second only.
  RECT next{};
  ASSERT_TRUE(TabRect(Tabs(), 4, &next));
  POINT onNext{(next.left + next.right) / 2, (next.top + next.bottom) / 2};
  ASSERT_TRUE(ClientToScreen(Tabs(), &onNext));
  ASSERT_TRUE(ClickAt(onNext));
  ASSERT_TRUE(ClickControl(FindControl(box, IDOK), [&] { return !IsWindow(box); }));
  EXPECT_EQ(SelectedTab(Tabs()), 3);
  EXPECT_EQ(Text(Item(1008)).size(), 238u) << "the note stays in the field";
  EXPECT_TRUE(IsWindowEnabled(dialog));
  Confirm();
}

TEST_F(DialogKeysWineTest, ClickedTabsChangeThePageAfterTheArrowKeysDid) {
  PutRecord();
  Open();
  HWND tabs = Tabs();
  RECT general{};
  ASSERT_TRUE(TabRect(tabs, 0, &general));
  const POINT onGeneral{(general.left + general.right) / 2, (general.top + general.bottom) / 2};
  ASSERT_TRUE(ClickControl(tabs, onGeneral, [&] { return SelectedTab(tabs) == 0; }));
  PressKey(tabs, VK_RIGHT);
  ASSERT_TRUE(WaitUntil([&] { return SelectedTab(tabs) == 1 && Item(1000) != nullptr; }));
  ASSERT_TRUE(ClickControl(tabs, onGeneral, [&] { return SelectedTab(tabs) == 0; }));
  EXPECT_TRUE(WaitUntil([&] { return Item(1024) != nullptr; })) << "the General page is shown";
}

TEST_F(DialogKeysWineTest, SecondStartRaisesTheFirstDialogAndEndsWithoutStoring) {
  PutRecord();
  Open();
  // Another window in front, as after the user went elsewhere.
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               200, 100, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other; }));
  const FILETIME before = LastWrite();
  device::StartedProcess second(PackagePath(L"Lectavo_Config.exe"));
  ASSERT_TRUE(second.Started());
  EXPECT_TRUE(second.WaitForExit(15000)) << "the second start ends by itself";
  EXPECT_EQ(TopLevelWindows(second.Id()).size(), 0u) << "and shows nothing";
  const FILETIME after = LastWrite();
  EXPECT_EQ(CompareFileTime(&before, &after), 0) << "nor stores anything";
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; }))
      << "the first dialog is in front";
  DestroyWindow(other);

  // The one dialog stores what the user changed in it.
  HWND readOn = Item(1000);
  ASSERT_TRUE(ClickControl(readOn, [&] { return CheckState(readOn) == 0; }));
  Confirm();
  EXPECT_EQ(Speak(), kDefaultSpeak & ~(1u << 27));
}

}  // namespace
}  // namespace lectavo
