// The "Konten" / "Accounts" page: one line per message store of the device; the chosen
// stores' names, each followed by a TAB, in table order, are StrAccounts.
#pragma once

#include <vector>

#include "config/accounts_page_controls.h"
#include "config/mapi_session.h"
#include "config/text_source.h"
#include "framework/dialog.h"
#include "platform/messaging.h"
#include "settings/settings_record.h"

namespace lectavo {

extern const DialogTemplate kAccountsPageTemplate;

class AccountsPage final : public Dialog {
 public:
  AccountsPage(SettingsRecord* record, TextSource* texts, Messaging* messaging);

 private:
  bool OnInitDialog() override;
  void OnSelChangeList();

  void ParseAccounts();
  void FillList();
  // Length of StrAccounts built from the flagged lines.
  std::size_t FlaggedLength() const;
  void StoreAccounts();
  // Why a line the user chose stays unchosen.
  enum class Refusal { kNone, kNoRoom, kTabInName };
  void ShowHint(Refusal refusal);

  SettingsRecord* record_;
  Messaging& messaging_;
  WString accountString_;
  ListBox list_;
  Label hint_;
  MessageStoreList storeList_;
  std::vector<WString> chosenNames_;
  std::vector<WString> storeNames_;
  // One per line: 1 chosen, 0 not. Every store is listed, so there is a flag for each.
  std::vector<int> lineFlags_;
};

}  // namespace lectavo
