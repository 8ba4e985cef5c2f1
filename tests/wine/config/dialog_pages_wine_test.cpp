// What each page of Lectavo_Config.exe shows under Wine: its English texts, a page that fills
// the dialog, the accounts list under the mouse, the note's bytes for a character that the
// code page lacks.
#include <algorithm>
#include <span>
#include <string>

#include "config/accounts_page_controls.h"
#include "config/answer_page_controls.h"
#include "config/answer_text_page_controls.h"
#include "config/general_page_controls.h"
#include "config/read_page_controls.h"
#include "config/speak_page_controls.h"
#include "tests/wine/config/config_user_fixture.h"

namespace lectavo {
namespace {

using namespace lectavo::device;
using namespace lectavo::wine;

using DialogPagesWineTest = ConfigUserTest;

// Every row of each page's language table, as the real controls show it; the headless
// tests pin the texts themselves.
TEST_F(DialogPagesWineTest, EveryPageShowsItsEnglishTexts) {
  const std::span<const LanguageRow> pages[] = {kGeneralPageTexts, kReadPageTexts,
                                                kAnswerPageTexts,  kAnswerTextPageTexts,
                                                kSpeakPageTexts,   kAccountsPageTexts};
  PutRecord(kDefaultSpeak | kEnglish);
  Open();
  for (int tab = 0; tab < static_cast<int>(std::size(pages)); ++tab) {
    SelectTab(Tabs(), tab);
    for (const LanguageRow& row : pages[tab]) {
      const std::wstring english(row.english,
                                 row.english + std::char_traits<WChar>::length(row.english));
      SCOPED_TRACE(english);
      ASSERT_TRUE(WaitUntil([&] { return Item(row.id) != nullptr; }));
      EXPECT_EQ(Text(Item(row.id)), english);
    }
  }
}

// No empty third: something on every page reaches its right edge, and the About texts
// stand in its middle.
TEST_F(DialogPagesWineTest, EveryPageFillsTheWidthOfTheDialog) {
  PutRecord();
  Open();
  for (int tab = 0; tab < kTabCount; ++tab) {
    SCOPED_TRACE(tab);
    SelectTab(Tabs(), tab);
    HWND page = Page();
    RECT area{};
    GetClientRect(page, &area);
    int right = 0;
    for (HWND child = GetWindow(page, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
      RECT r{};
      GetWindowRect(child, &r);
      MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
      right = std::max<int>(right, r.right);
      if (tab == kAboutTab) {
        EXPECT_NEAR(r.left + r.right, area.right, 4) << "centred";
      }
    }
    EXPECT_GE(right, area.right - 12);
  }
}

TEST_F(DialogPagesWineTest, AccountsListKeepsItsPlaceAndShowsLongNamesWhole) {
  std::vector<std::wstring> stores;
  for (int i = 0; i < 12; ++i) stores.push_back(L"Konto " + std::to_wstring(i));
  stores[3] = L"Ein sehr langer Name eines Kontos, der weit über den Rand der Liste reicht";
  PutStores(stores);
  PutRecord(kDefaultSpeak, L"Konto 11\t");
  Open(5);
  HWND list = Item(kAccountListId);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0) << "opens at its first line";
  RECT client{};
  GetClientRect(list, &client);
  EXPECT_GT(SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0), client.right)
      << "the long name can be scrolled into view";

  ASSERT_TRUE(Focus(list));
  PressKey(list, VK_END);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LB_GETCARETINDEX, 0, 0) == 11; }));
  const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
  ASSERT_GT(top, 0);
  ASSERT_TRUE(ClickLine(list, 9));
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), top) << "the list does not jump";
  EXPECT_EQ(SendMessageW(list, LB_GETCARETINDEX, 0, 0), 9);
  ASSERT_TRUE(ClickLine(list, 10));
  EXPECT_EQ(SelectedLines(list), (std::vector<int>{9, 10, 11}));
  Confirm();
  EXPECT_EQ(Stored(L"StrAccounts"), L"Konto 9\tKonto 10\tKonto 11\t");
}

TEST_F(DialogPagesWineTest, StoreWhoseNameHoldsATabIsListedButCannotBeChosen) {
  PutStores({L"Privat\tArbeit", L"B"});
  PutRecord(kDefaultSpeak | kEnglish);
  Open(5);
  HWND list = Item(kAccountListId);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ListLines(list).size(), 2u);
  HWND hint = Item(kAccountHintId);
  ASSERT_TRUE(ClickControl(list, LineMiddle(list, 0), [&] {
    return Text(hint).find(L"TAB") != std::wstring::npos;
  })) << Text(hint);
  EXPECT_TRUE(SelectedLines(list).empty());
  ASSERT_TRUE(ClickLine(list, 1));
  EXPECT_EQ(SelectedLines(list), (std::vector<int>{1}));
  Confirm();
  EXPECT_EQ(Stored(L"StrAccounts"), L"B\t");
}

TEST_F(DialogPagesWineTest, NoteCharacterOutsideTheCodePageIsStoredAsQuestionMark) {
  ASSERT_EQ(GetACP(), 1252u) << "the prefix's ANSI code page lacks U+0142";
  PutRecord();
  Open(3);
  HWND note = Item(kNoteFieldId);
  ASSERT_TRUE(Focus(note));
  SendMessageW(note, EM_SETSEL, 0, -1);
  TypeChars(note, L"\u0142\u00f6");
  ASSERT_TRUE(WaitUntil([&] { return Text(note) == L"\u0142\u00f6"; }));
  HWND save = Item(IDOK);
  ASSERT_TRUE(ClickControl(save, [] { return device::Exists(kNote); }));
  EXPECT_EQ(device::Content(kNote).value_or("<none>"), "?\xF6");
}

}  // namespace
}  // namespace lectavo
