#include "config/accounts_page.h"

#include <algorithm>

namespace lectavo {
namespace {

constexpr WChar kTab = u'\t';
constexpr WChar kGermanNoRoom[] =
    u"Kein Platz mehr für dieses Konto:\nbitte zuerst ein anderes Konto\nabwählen.";
constexpr WChar kEnglishNoRoom[] = u"No room for this account: deselect another account first.";
// StrAccounts ends every name with a TAB: a name holding one could never be read back.
constexpr WChar kGermanTabInName[] =
    u"Dieses Konto kann nicht gewählt\nwerden: sein Name enthält ein\nTAB-Zeichen.";
constexpr WChar kEnglishTabInName[] =
    u"This account cannot be chosen: its name contains a TAB character.";

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
  // Opens at its first line, whichever lines are chosen.
  list_.SetTopIndex(0);
  list_.SetCaretIndex(0);
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
  list_.FitHorizontalExtent(storeNames_);
  if (list_.GetCount() == 0) list_.EnableWindow(false);
}

// Names that match no store survive until here: the value is rebuilt from the lines alone.
// The marks are taken from the list, not inverted: a focus line moved by the arrow keys,
// which notifies too, changes nothing.
void AccountsPage::OnSelChangeList() {
  const int caret = list_.GetCaretIndex();
  const int top = list_.GetTopIndex();
  bool changed = false;
  Refusal refusal = Refusal::kNone;
  for (std::size_t line = 0; line < lineFlags_.size(); ++line) {
    const int shown = list_.GetSel(static_cast<int>(line)) ? 1 : 0;
    if (shown == lineFlags_[line]) continue;
    changed = true;
    lineFlags_[line] = shown;
    // A refused choice is refused whole: the line stays unchosen.
    if (shown == 1 && storeNames_[line].find(kTab) != WString::npos) {
      refusal = Refusal::kTabInName;
      lineFlags_[line] = 0;
    } else if (shown == 1 && FlaggedLength() > static_cast<std::size_t>(kMaxTextLength)) {
      refusal = Refusal::kNoRoom;
      lineFlags_[line] = 0;
    }
  }
  if (changed) {
    StoreAccounts();
    ShowHint(refusal);
  }
  FillList();
  // The list stays where the user had it.
  list_.SetTopIndex(top);
  if (caret >= 0) list_.SetCaretIndex(caret);
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

void AccountsPage::ShowHint(Refusal refusal) {
  const bool english = FlagDialogEnglish.Get(record_->ValSpeak) == 1;
  if (refusal == Refusal::kNoRoom) {
    hint_.SetWindowText(english ? kEnglishNoRoom : kGermanNoRoom);
    return;
  }
  if (refusal == Refusal::kTabInName) {
    hint_.SetWindowText(english ? kEnglishTabInName : kGermanTabInName);
    return;
  }
  hint_.SetWindowText(english ? kAccountHintText.english : kAccountHintText.german);
}

}  // namespace lectavo
