#include "config/accounts_page.h"

#include <algorithm>

namespace lectavo {
namespace {

constexpr WChar kTab = u'\t';
constexpr WChar kGermanNoRoom[] =
    u"Kein Platz mehr für dieses Konto:\nbitte zuerst ein anderes Konto\nabwählen.";
constexpr WChar kEnglishNoRoom[] = u"No room for this account: deselect another account first.";

}  // namespace

AccountsPage::AccountsPage(SettingsRecord* record, TextSource*, Messaging* messaging)
    : Dialog(kAccountsPageTemplate),
      record_(record),
      messaging_(*messaging),
      list_(GetListBox(kAccountListId)),
      hint_(GetLabel(kAccountHintId)) {
  OnCommand(kAccountListId, kLbnSelChange, &AccountsPage::OnSelChangeList);
}

bool AccountsPage::OnInitDialog() {
  Dialog::OnInitDialog();
  ParseAccounts();

  MapiSession session(messaging_);
  session.Logon();
  session.ReadMessageStores(&storeList_);
  for (const MessageStore& store : storeList_) storeNames_.push_back(store.displayName);
  session.Release();

  for (const WString& name : storeNames_) {
    const bool chosen =
        std::find(chosenNames_.begin(), chosenNames_.end(), name) != chosenNames_.end();
    lineFlags_.push_back(chosen ? 1 : 0);
  }
  FillList();
  ShowDialogLanguage(*this, kAccountsPageTexts, record_->ValSpeak);
  return true;
}

// Every name ends with a TAB, an empty piece is an empty name; a last name without its TAB
// is a name all the same.
void AccountsPage::ParseAccounts() {
  const WChar* end = std::find(record_->StrAccounts, std::end(record_->StrAccounts), u'\0');
  const WStringView text(record_->StrAccounts,
                         static_cast<std::size_t>(end - record_->StrAccounts));
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t tab = std::min(text.find(kTab, start), text.size());
    chosenNames_.emplace_back(text.substr(start, tab - start));
    start = tab + 1;
  }
}

void AccountsPage::FillList() {
  list_.ResetContent();
  for (const WString& name : storeNames_) list_.AddString(name);
  for (std::size_t line = 0; line < lineFlags_.size(); ++line) {
    if (lineFlags_[line] == 1) list_.SetSel(static_cast<int>(line), true);
  }
  if (list_.GetCount() == 0) list_.EnableWindow(false);
}

// Names that match no store survive until here: the value is rebuilt from the lines alone.
void AccountsPage::OnSelChangeList() {
  const int line = list_.GetCaretIndex();
  if (line >= 0 && static_cast<std::size_t>(line) < lineFlags_.size()) {
    int& flag = lineFlags_[static_cast<std::size_t>(line)];
    flag = flag == 1 ? 0 : 1;
    // A choice that does not fit StrAccounts is refused whole: the line stays unchosen.
    const bool noRoom = flag == 1 && FlaggedLength() > static_cast<std::size_t>(kMaxTextLength);
    if (noRoom) flag = 0;
    StoreAccounts();
    ShowHint(noRoom);
  }
  FillList();
}

std::size_t AccountsPage::FlaggedLength() const {
  std::size_t length = 0;
  for (std::size_t line = 0; line < lineFlags_.size(); ++line) {
    if (lineFlags_[line] == 1) length += storeNames_[line].size() + 1;
  }
  return length;
}

// In table order, one TAB after each name. A name is never cut: when stores share a name,
// one that no longer fits is unchosen instead.
void AccountsPage::StoreAccounts() {
  accountString_.clear();
  for (std::size_t line = 0; line < lineFlags_.size(); ++line) {
    if (lineFlags_[line] != 1) continue;
    const WString& name = storeNames_[line];
    if (accountString_.size() + name.size() + 1 > static_cast<std::size_t>(kMaxTextLength)) {
      lineFlags_[line] = 0;
      continue;
    }
    accountString_ += name;
    accountString_ += kTab;
  }
  std::copy(accountString_.begin(), accountString_.end(), record_->StrAccounts);
  record_->StrAccounts[accountString_.size()] = u'\0';
}

void AccountsPage::ShowHint(bool noRoom) {
  const bool english = FlagDialogEnglish.Get(record_->ValSpeak) == 1;
  if (noRoom) {
    hint_.SetWindowText(english ? kEnglishNoRoom : kGermanNoRoom);
    return;
  }
  hint_.SetWindowText(english ? kAccountHintText.english : kAccountHintText.german);
}

}  // namespace lectavo
