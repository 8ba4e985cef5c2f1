// Messaging role: the CEMAPI calls a mail reader makes. Log on (MAPILogonEx), list the
// message stores (GetMsgStoresTable), open a store by the entry id its row gives
// (OpenMsgStore), find its inbox (GetReceiveFolder, OpenEntry), list the inbox in arrival
// order (GetContentsTable, SetColumns, QueryRows, FreeProws), open a message (OpenEntry),
// read its sender, subject and read state (GetProps) and its body (OpenProperty as a stream),
// mark it read (SetProps). Objects are released, not deleted, as their owners expect.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/types.h"

namespace lectavo {

inline constexpr std::uint32_t kMapiUnicode = 0x80000000;           // MAPI_UNICODE
inline constexpr std::uint32_t kPrDisplayName = 0x3001001F;         // PR_DISPLAY_NAME, UTF-16
inline constexpr std::uint32_t kPrEntryId = 0x0FFF0102;             // PR_ENTRYID
inline constexpr std::uint32_t kPrSenderName = 0x0C1A001F;          // PR_SENDER_NAME, UTF-16
inline constexpr std::uint32_t kPrSenderEmailAddress = 0x0C1F001F;  // UTF-16
inline constexpr std::uint32_t kPrSubject = 0x0037001F;             // PR_SUBJECT, UTF-16
inline constexpr std::uint32_t kPrBody = 0x1000001F;                // PR_BODY, UTF-16
inline constexpr std::uint32_t kPrMessageFlags = 0x0E070003;        // PR_MESSAGE_FLAGS, PT_LONG
inline constexpr std::uint32_t kMsgFlagRead = 0x00000001;           // MSGFLAG_READ
// A value the object does not have comes back with this property type in its tag
// (PT_ERROR) and the error in `number`.
inline constexpr std::uint32_t kPtError = 0x000A;
inline constexpr std::uint32_t kMapiENotFound = 0x8004010F;  // MAPI_E_NOT_FOUND
// PR_BODY is never handed out by GetProps: it is read through OpenProperty.
inline constexpr std::uint32_t kMapiENotEnoughMemory = 0x8007000E;  // MAPI_E_NOT_ENOUGH_MEMORY

inline constexpr std::uint32_t PropType(std::uint32_t tag) { return tag & 0xFFFF; }

using EntryId = std::vector<std::uint8_t>;

// One property: text for string properties, bytes for binary ones, number for PT_LONG and
// for the error of a PT_ERROR value.
struct PropValue {
  std::uint32_t tag = 0;
  WString text;
  std::vector<std::uint8_t> binary;
  std::uint32_t number = 0;
};

struct RowSet {
  std::vector<std::vector<PropValue>> rows;
};

// IMAPITable: the message-store table and a folder's contents table.
class MessagingTable {
 public:
  virtual bool SetColumns(const std::vector<std::uint32_t>& tags, std::uint32_t flags) = 0;
  // A row set with up to rowCount rows; an empty one at the end of the table. Every row
  // set returned must be handed to Messaging::FreeProws.
  virtual bool QueryRows(int rowCount, std::uint32_t flags, RowSet** rows) = 0;
  virtual void Release() = 0;

 protected:
  ~MessagingTable() = default;
};
using MessageStoreTable = MessagingTable;

// IStream opened on a property, read from its start.
class PropertyStream {
 public:
  // Up to size bytes into buffer; *read = 0 at the end. False on a failed read.
  virtual bool Read(void* buffer, std::uint32_t size, std::uint32_t* read) = 0;
  virtual void Release() = 0;

 protected:
  ~PropertyStream() = default;
};

// IMessage.
class MessagingMessage {
 public:
  // One value per tag asked for, in that order; a property the message lacks is a PT_ERROR
  // value. False only when no values could be had.
  virtual bool GetProps(const std::vector<std::uint32_t>& tags, std::uint32_t flags,
                        std::vector<PropValue>* values) = 0;
  // Sets PR_MESSAGE_FLAGS to mark the message read; the store keeps it at once.
  virtual bool SetProps(const std::vector<PropValue>& values) = 0;
  // The property as a stream (IID_IStream, read only): how PR_BODY of any length is read.
  virtual bool OpenProperty(std::uint32_t tag, std::uint32_t flags, PropertyStream** stream) = 0;
  virtual void Release() = 0;

 protected:
  ~MessagingMessage() = default;
};

// IMAPIFolder.
class MessagingFolder {
 public:
  // The folder's messages, in the order they arrived.
  virtual bool GetContentsTable(std::uint32_t flags, MessagingTable** table) = 0;
  virtual void Release() = 0;

 protected:
  ~MessagingFolder() = default;
};

// IMsgStore.
class MessagingStore {
 public:
  // The entry id of the folder that receives messages of this class (null: the default
  // class), i.e. the inbox.
  virtual bool GetReceiveFolder(const WChar* messageClass, std::uint32_t flags,
                                EntryId* entryId) = 0;
  // OpenEntry for a folder or for a message; fails when the entry is not of that kind.
  virtual bool OpenEntry(const EntryId& entryId, std::uint32_t flags, MessagingFolder** folder) = 0;
  virtual bool OpenEntry(const EntryId& entryId, std::uint32_t flags,
                         MessagingMessage** message) = 0;
  virtual void Release() = 0;

 protected:
  ~MessagingStore() = default;
};

class MessagingSession {
 public:
  virtual bool GetMsgStoresTable(std::uint32_t flags, MessageStoreTable** table) = 0;
  // The store whose PR_ENTRYID the store table gave.
  virtual bool OpenMsgStore(Handle window, const EntryId& entryId, std::uint32_t flags,
                            MessagingStore** store) = 0;
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
