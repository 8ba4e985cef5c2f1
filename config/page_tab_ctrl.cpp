#include "config/page_tab_ctrl.h"

#include <algorithm>
#include <new>

#include "config/about_page.h"
#include "config/answer_page.h"
#include "config/answer_text_page.h"
#include "config/accounts_page.h"
#include "config/general_page.h"
#include "config/page_layout.h"
#include "config/read_page.h"
#include "config/speak_page.h"
#include "framework/window_messages.h"

namespace lectavo {
namespace {

constexpr int kFirstPage = kReadTab;  // the page the dialog opens on

template <class Page>
std::unique_ptr<Dialog> Make(SettingsRecord* record, TextSource* texts, const PagePlatform&) {
  return std::unique_ptr<Dialog>(new (std::nothrow) Page(record, texts));
}

template <>
std::unique_ptr<Dialog> Make<AnswerTextPage>(SettingsRecord* record, TextSource* texts,
                                             const PagePlatform& platform) {
  return std::unique_ptr<Dialog>(new (std::nothrow) AnswerTextPage(record, texts, platform));
}

template <>
std::unique_ptr<Dialog> Make<AboutPage>(SettingsRecord*, TextSource*, const PagePlatform&) {
  return std::unique_ptr<Dialog>(new (std::nothrow) AboutPage());
}

template <>
std::unique_ptr<Dialog> Make<AccountsPage>(SettingsRecord* record, TextSource* texts,
                                           const PagePlatform& platform) {
  return std::unique_ptr<Dialog>(new (std::nothrow)
                                     AccountsPage(record, texts, &platform.messaging));
}

// One row per tab, in tab order; a tab without a page yet shows none.
struct PageEntry {
  TabPosition tab;
  std::unique_ptr<Dialog> (*make)(SettingsRecord*, TextSource*, const PagePlatform&);
  const DialogTemplate* dialogTemplate;
};
constexpr PageEntry kPages[] = {
    {kGeneralTab, Make<GeneralPage>, &kGeneralPageTemplate},
    {kReadTab, Make<ReadPage>, &kReadPageTemplate},
    {kAnswerTab, Make<AnswerPage>, &kAnswerPageTemplate},
    {kAnswerTextTab, Make<AnswerTextPage>, &kAnswerTextPageTemplate},
    {kSpeakTab, Make<SpeakPage>, &kSpeakPageTemplate},
    {kAccountsTab, Make<AccountsPage>, &kAccountsPageTemplate},
    {kAboutTab, Make<AboutPage>, &kAboutPageTemplate},
};
static_assert(InTabOrder(kPages));

}  // namespace

PageTabCtrl::PageTabCtrl(SettingsRecord* record, TextSource* texts, const PagePlatform& platform)
    : record_(record), texts_(texts), platform_(platform) {
  OnReflectedNotify(kTcnSelChange, &PageTabCtrl::OnSelChange);
}

void PageTabCtrl::InsertTabs() {
  for (int position = 0; position < kTabCount; ++position) {
    InsertItem(position, texts_->TabCaption(position));
  }
}

void PageTabCtrl::LargestPageSize(int* width, int* height) {
  *width = 0;
  *height = 0;
  for (const PageEntry& entry : kPages) {
    if (entry.dialogTemplate == nullptr) continue;
    *width = std::max<int>(*width, entry.dialogTemplate->cx);
    *height = std::max<int>(*height, entry.dialogTemplate->cy);
  }
}

std::intptr_t PageTabCtrl::OnSelChange() {
  SwitchPage(false);
  return 0;
}

void PageTabCtrl::Step(int step) {
  const int from = shown_ < 0 ? kFirstPage : shown_;
  SetCurSel(((from + step) % kTabCount + kTabCount) % kTabCount);
  SwitchPage(false);
  if (page_ != nullptr) {
    Parent()->System().FocusFirstControl(Parent()->GetSafeHwnd(), page_->GetSafeHwnd(),
                                         GetSafeHwnd());
  }
}

void PageTabCtrl::SwitchPage(bool force) {
  const int selected = GetCurSel();
  if (selected == shown_) return;
  page_.reset();
  shown_ = force ? kFirstPage : selected;

  Dialog& parent = *Parent();
  WindowSystem& system = parent.System();
  Rect area;
  system.GetClientRect(GetSafeHwnd(), &area);
  AdjustRect(false, &area);
  Rect window;
  system.GetWindowRect(GetSafeHwnd(), &window);
  Point corner{window.left, window.top};
  system.ScreenToClient(parent.GetSafeHwnd(), &corner);
  area = {area.left + corner.x, area.top + corner.y, area.right + corner.x, area.bottom + corner.y};

  if (shown_ >= 0 && shown_ < kTabCount && kPages[shown_].make != nullptr) {
    page_ = kPages[shown_].make(record_, texts_, platform_);
  }
  // A page that cannot be made leaves the tab without a page.
  if (page_ != nullptr && page_->Create(parent)) {
    Rect made;
    system.GetClientRect(page_->GetSafeHwnd(), &made);
    system.SetWindowPos(page_->GetSafeHwnd(), kNoHandle, area, kSwpShowWindow);
    WidenPage(*page_, (area.right - area.left) - (made.right - made.left));
    system.ShowWindow(page_->GetSafeHwnd(), kSwShow);
  } else {
    page_.reset();
  }
  SetCurSel(shown_);
  // The arrow keys select a tab without clearing the pressed mark of the one before, and a
  // tab control with a stray mark ignores every later click.
  ClearPressedTabs();
}

}  // namespace lectavo
