// Lectavo_Config and the Today item under Wine as a screen reader meets them: from this
// process, through Active Accessibility, hearing the focus and name changes of the other.
// Only what Wine implements is asked: names and events, not roles, states or list items.
#include <oleacc.h>

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "config/answer_page_controls.h"
#include "config/answer_text_page_controls.h"
#include "config/general_page_controls.h"
#include "config/speak_page_controls.h"
#include "tests/wine/config/config_user_fixture.h"
#include "tests/wine/support/today_screen.h"
#include "tests/wine/today/today_wine_support.h"

namespace lectavo {
namespace {

using device::WaitUntil;
using namespace lectavo::wine;

// The name a screen reader is told for an event's object; nothing when it cannot be asked.
std::optional<std::wstring> NameOf(HWND window, LONG object, LONG child) {
  IAccessible* accessible = nullptr;
  VARIANT id;
  VariantInit(&id);
  if (FAILED(AccessibleObjectFromEvent(window, object, child, &accessible, &id))) {
    return std::nullopt;
  }
  BSTR name = nullptr;
  const HRESULT asked = accessible->get_accName(id, &name);
  std::wstring text = name != nullptr ? std::wstring(name, SysStringLen(name)) : L"";
  SysFreeString(name);
  VariantClear(&id);
  accessible->Release();
  if (FAILED(asked)) return std::nullopt;
  return text;
}

// What a screen reader out of the program's context hears of one kind of event: for each
// window, the name its object had when its last event came. Events come while this thread
// waits (WaitUntil).
class ScreenReader {
 public:
  ScreenReader(DWORD processId, DWORD event)
      : hook_(
            SetWinEventHook(event, event, nullptr, OnEvent, processId, 0, WINEVENT_OUTOFCONTEXT)) {}
  ~ScreenReader() {
    UnhookWinEvent(hook_);
    heard.clear();
  }
  bool Listening() const { return hook_ != nullptr; }
  static inline std::map<HWND, std::optional<std::wstring>> heard;

 private:
  static void CALLBACK OnEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                               DWORD) {
    if (object == OBJID_CLIENT) heard[window] = NameOf(window, object, child);
  }
  HWINEVENTHOOK hook_;
};

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

class ScreenReaderWineTest : public ConfigUserTest {
 protected:
  static void SetUpTestSuite() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  static void TearDownTestSuite() { CoUninitialize(); }
};

// Each page by Tab from the tab control round to it again, in both dialog languages.
TEST_F(ScreenReaderWineTest, EveryPageIsReachedByTabAndEachFieldAnnouncesItsLabel) {
  // The label that names each edit, by page and edit.
  const std::map<std::pair<int, int>, int> labels = {
      {{0, kWaitStartId}, kWaitStartLabelId}, {{2, kAddressId}, kAddressLabelId},
      {{3, kNoteFieldId}, kNoteLabelId},      {{4, kSpeedId}, kSpeedLabelId},
      {{4, kPitchId}, kPitchLabelId},         {{4, kVolumeId}, kVolumeLabelId},
  };
  for (const DWORD language : {DWORD{0}, DWORD{kEnglish}}) {
    PutRecord(kDefaultSpeak | language);
    PutStores({L"Büro", L"Privat"});
    Open();
    ScreenReader reader(program->Id(), EVENT_OBJECT_FOCUS);
    ASSERT_TRUE(reader.Listening());
    for (int tab = 0; tab < kTabCount; ++tab) {
      SCOPED_TRACE(testing::Message() << (language != 0 ? "English" : "German") << ", tab " << tab);
      SelectTab(Tabs(), tab);
      const HWND page = Page();
      ASSERT_NE(page, nullptr);
      ASSERT_TRUE(Focus(Tabs()));
      std::set<HWND> reached;
      for (int press = 0;; ++press) {
        if (press == 20) {
          ADD_FAILURE() << "Tab does not come round to the tab control";
          break;
        }
        const HWND before = FocusedWindow(dialog);
        reader.heard.clear();  // a window handle of an earlier page may come again
        ASSERT_TRUE(PressChord(dialog, {VK_TAB}));
        ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(dialog) != before; }, 3000))
            << "Tab moves the focus";
        const HWND focus = FocusedWindow(dialog);
        if (focus == Tabs()) break;
        const bool inCombo = ClassOf(GetParent(focus)) == L"ComboBox";
        reached.insert(inCombo ? GetParent(focus) : focus);
        ASSERT_TRUE(WaitUntil([&] { return reader.heard.count(focus) == 1; }, 3000))
            << "a focus event for the control";
        const std::optional<std::wstring> name = reader.heard[focus];
        ASSERT_TRUE(name.has_value()) << "the event's object answers";
        const int id = GetDlgCtrlID(focus);
        SCOPED_TRACE(testing::Message() << "control " << id << ": \"" << *name << "\"");
        if (ClassOf(focus) == L"Button") {
          EXPECT_NE(*name, L"") << "a button says its text";
        }
        if (ClassOf(focus) == L"Edit" && !inCombo) {
          const auto label = labels.find({tab, id});
          ASSERT_NE(label, labels.end()) << "an edit without a known label";
          EXPECT_NE(*name, L"");
          EXPECT_EQ(*name, Text(GetDlgItem(page, label->second))) << "its label";
        }
      }
      for (HWND child = GetWindow(page, GW_CHILD); child != nullptr;
           child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if ((style & WS_TABSTOP) != 0 && IsWindowEnabled(child) && IsWindowVisible(child)) {
          EXPECT_EQ(reached.count(child), 1u) << "control " << GetDlgCtrlID(child) << " by Tab";
        }
      }
    }
    Close(dialog);
    EXPECT_TRUE(program->WaitForExit(10000));
    dialog = nullptr;
  }
}

class TodayScreenReaderWineTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  static void TearDownTestSuite() { CoUninitialize(); }

  void SetUp() override {
    ASSERT_TRUE(PlacePrograms());
    ASSERT_TRUE(PutSettings(kReadingOn));
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Today\\Items");
    ASSERT_TRUE(device::WriteText(kItemKey, L"DLL", kDevicePathOfLibrary));
    host = std::make_unique<device::StartedProcess>(HostPath(LECTAVO_HOST_PROGRAM));
    ASSERT_TRUE(host->Started());
    ASSERT_TRUE(
        WaitUntil([&] { return (screen = FindTodayScreen(host->Id())) != nullptr; }, 10000));
    ASSERT_TRUE(WaitUntil([&] { return (item = FindLectavoItem(screen)) != nullptr; }, 5000));
  }
  void TearDown() override {
    const std::vector<DWORD> children = device::ChildrenOf(host->Id());
    device::EndProcess(host->Id());
    for (DWORD id : children) device::EndProcess(id);
  }

  std::uintptr_t RefreshQueries() const {
    return reinterpret_cast<std::uintptr_t>(GetPropW(screen, L"RefreshQueries"));
  }
  // The item's name as a screen reader asks for it first: through its window.
  std::optional<std::wstring> Name() const { return NameOf(item, OBJID_CLIENT, CHILDID_SELF); }

  std::unique_ptr<device::StartedProcess> host;
  HWND screen = nullptr;
  HWND item = nullptr;
};

TEST_F(TodayScreenReaderWineTest, ItemIsNamedByTheReadingStateAndTellsItsChange) {
  wchar_t title[32] = {};
  EXPECT_GT(GetWindowTextW(item, title, 32), 0);
  EXPECT_STREQ(title, kItemClass);
  EXPECT_EQ(Text(item), kItemClass) << "the window tells its title when asked";

  IAccessible* accessible = nullptr;
  ASSERT_EQ(
      AccessibleObjectFromWindow(item, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                 reinterpret_cast<void**>(&accessible)),
      S_OK);
  EXPECT_EQ(Name(), L"Lectavo: Vorlesen ein");

  // What a screen reader offers to do with it: a push button "Öffnen", which taps it.
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT role{};
  EXPECT_EQ(accessible->get_accRole(self, &role), S_OK);
  EXPECT_EQ(role.lVal, ROLE_SYSTEM_PUSHBUTTON);
  BSTR action = nullptr;
  ASSERT_EQ(accessible->get_accDefaultAction(self, &action), S_OK);
  EXPECT_EQ(std::wstring(action, SysStringLen(action)), L"\u00D6ffnen");
  SysFreeString(action);
  EXPECT_EQ(accessible->accDoDefaultAction(self), S_OK);
  accessible->Release();
  EXPECT_TRUE(WaitUntil(
      [&] { return device::ChildrenOf(host->Id(), L"Lectavo_Config.exe").size() == 1; }, 5000));

  ScreenReader reader(host->Id(), EVENT_OBJECT_NAMECHANGE);
  ASSERT_TRUE(reader.Listening());
  ASSERT_TRUE(PutSettings(kReadingOff));
  const std::uintptr_t queries = RefreshQueries();
  // The query after this one has ended once the one after it begins.
  ASSERT_TRUE(WaitUntil([&] { return RefreshQueries() >= queries + 2; }, 8000));
  EXPECT_EQ(Name(), L"Lectavo: Vorlesen aus") << "within one refresh";
  ASSERT_TRUE(WaitUntil([&] { return reader.heard.count(item) == 1; }, 3000))
      << "the change is told";
  EXPECT_EQ(reader.heard[item], L"Lectavo: Vorlesen aus");
}

}  // namespace
}  // namespace lectavo
