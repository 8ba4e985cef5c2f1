// Messaging role: MAPILogonEx, the message-store table, SetColumns, QueryRows, FreeProws,
// Release. Objects are released, not deleted, as their owners expect.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/types.h"

namespace lectavo {

inline constexpr std::uint32_t kMapiUnicode = 0x80000000;  // MAPI_UNICODE
inline constexpr std::uint32_t kPrDisplayName = 0x3001001F;  // PR_DISPLAY_NAME, UTF-16
inline constexpr std::uint32_t kPrEntryId = 0x0FFF0102;      // PR_ENTRYID

// One column of a row: text for string properties, bytes for binary ones.
struct PropValue {
  std::uint32_t tag = 0;
  WString text;
  std::vector<std::uint8_t> binary;
};

struct RowSet {
  std::vector<std::vector<PropValue>> rows;
};

class MessageStoreTable {
 public:
  virtual bool SetColumns(const std::vector<std::uint32_t>& tags, std::uint32_t flags) = 0;
  // A row set with up to rowCount rows; an empty one at the end of the table. Every row
  // set returned must be handed to Messaging::FreeProws.
  virtual bool QueryRows(int rowCount, std::uint32_t flags, RowSet** rows) = 0;
  virtual void Release() = 0;

 protected:
  ~MessageStoreTable() = default;
};

class MessagingSession {
 public:
  virtual bool GetMsgStoresTable(std::uint32_t flags, MessageStoreTable** table) = 0;
  virtual void Release() = 0;

 protected:
  ~MessagingSession() = default;
};

class Messaging {
 public:
  virtual ~Messaging() = default;

  virtual bool LogonEx(Handle window, const WChar* profile, const WChar* password,
                       std::uint32_t flags, MessagingSession** session) = 0;
  virtual void FreeProws(RowSet* rows) = 0;
};

}  // namespace lectavo
