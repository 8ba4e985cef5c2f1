#include "config/mapi_session.h"

namespace lectavo {
namespace {

MessageStore StoreFromRow(const std::vector<PropValue>& row) {
  MessageStore store;
  for (const PropValue& value : row) {
    if (value.tag == kPrDisplayName) store.displayName = value.text;
    if (value.tag == kPrEntryId) store.entryId = value.binary;
  }
  return store;
}

}  // namespace

void MapiSession::Logon() {
  MessagingSession* session = nullptr;
  if (messaging_.LogonEx(kNoHandle, nullptr, nullptr, 0, &session)) session_ = session;
}

void MapiSession::ReadMessageStores(MessageStoreList* list) {
  list->clear();
  MessageStoreTable* table = nullptr;
  if (session_ == nullptr || !session_->GetMsgStoresTable(kMapiUnicode, &table) ||
      table == nullptr) {
    return;
  }
  // Rows without the two columns would give nameless stores: none are listed then.
  if (!table->SetColumns({kPrDisplayName, kPrEntryId}, 0)) {
    table->Release();
    return;
  }
  for (;;) {
    RowSet* rows = nullptr;
    if (!table->QueryRows(1, 0, &rows) || rows == nullptr) break;
    const bool oneRow = rows->rows.size() == 1;
    if (oneRow) list->push_back(StoreFromRow(rows->rows.front()));
    messaging_.FreeProws(rows);
    if (!oneRow) break;
  }
  table->Release();
}

void MapiSession::Release() {
  if (session_ == nullptr) return;
  session_->Release();
  session_ = nullptr;
}

}  // namespace lectavo
