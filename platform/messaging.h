// Messaging role: the CEMAPI calls a mail reader makes. Log on (MAPILogonEx), list the
// message stores (GetMsgStoresTable), open a store by the entry id its row gives
// (OpenMsgStore), find its inbox (GetReceiveFolder, OpenEntry), list the inbox in arrival
// order (GetContentsTable, SetColumns, QueryRows, FreeProws), open a message (OpenEntry),
// read its sender, subject and read state (GetProps) and its body (OpenProperty as a stream),
// mark it read (SetProps). To send: find the store's outbox (GetProps of PR_IPM_OUTBOX_ENTRYID,
// OpenEntry), make a message there (CreateMessage), set its subject and body (SetProps) and
// recipients (ModifyRecipients), attach a file (CreateAttach, SetProps, OpenProperty of its
// data as a stream to Write and Commit, SaveChanges), keep it (SaveChanges) and submit it
// (SubmitMessage); remove a message that could not be kept whole (DeleteMessages). Objects
// are released, not deleted, as their owners expect.
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
inline constexpr std::uint32_t kPrIpmOutboxEntryId = 0x35E20102;    // PR_IPM_OUTBOX_ENTRYID
// A recipient: its kind (PT_LONG, kMapiTo or kMapiCc), name, address and address type.
inline constexpr std::uint32_t kPrRecipientType = 0x0C150003;  // PR_RECIPIENT_TYPE
inline constexpr std::uint32_t kMapiTo = 1;                    // MAPI_TO
inline constexpr std::uint32_t kMapiCc = 2;                    // MAPI_CC
inline constexpr std::uint32_t kPrEmailAddress = 0x3003001F;   // PR_EMAIL_ADDRESS, UTF-16
inline constexpr std::uint32_t kPrAddrType = 0x3002001F;       // PR_ADDRTYPE, UTF-16
inline constexpr std::uint32_t kModRecipAdd = 0x00000002;      // MODRECIP_ADD
// An attachment: how it holds its data, its file names and the data.
inline constexpr std::uint32_t kPrAttachMethod = 0x37050003;        // PR_ATTACH_METHOD, PT_LONG
inline constexpr std::uint32_t kAttachByValue = 1;                  // ATTACH_BY_VALUE
inline constexpr std::uint32_t kPrAttachLongFilename = 0x3707001F;  // UTF-16
inline constexpr std::uint32_t kPrAttachFilename = 0x3704001F;      // 8.3 name, UTF-16
inline constexpr std::uint32_t kPrAttachDataBin = 0x37010102;       // PR_ATTACH_DATA_BIN
inline constexpr std::uint32_t kMapiModify = 0x00000001;            // MAPI_MODIFY
inline constexpr std::uint32_t kMapiCreate = 0x00000002;            // MAPI_CREATE
inline constexpr std::uint32_t kKeepOpenReadWrite = 0x00000002;     // KEEP_OPEN_READWRITE
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

// IStream opened on a property: read from its start, or written from its start and then
// committed to the property.
class PropertyStream {
 public:
  // Up to size bytes into buffer; *read = 0 at the end. False on a failed read.
  virtual bool Read(void* buffer, std::uint32_t size, std::uint32_t* read) = 0;
  // All size bytes, or false.
  virtual bool Write(const void* buffer, std::uint32_t size) = 0;
  virtual bool Commit() = 0;
  virtual void Release() = 0;

 protected:
  ~PropertyStream() = default;
};

// IAttach of a message being made.
class MessagingAttachment {
 public:
  // PR_ATTACH_METHOD and the file names.
  virtual bool SetProps(const std::vector<PropValue>& values) = 0;
  // The property as a stream to write (IID_IStream, STGM_WRITE): how PR_ATTACH_DATA_BIN is
  // filled, with flags MAPI_CREATE | MAPI_MODIFY.
  virtual bool OpenProperty(std::uint32_t tag, std::uint32_t flags, PropertyStream** stream) = 0;
  // Makes the attachment part of its message; the message keeps it when it is saved.
  virtual bool SaveChanges(std::uint32_t flags) = 0;
  virtual void Release() = 0;

 protected:
  ~MessagingAttachment() = default;
};

// IMessage.
class MessagingMessage {
 public:
  // One value per tag asked for, in that order; a property the message lacks is a PT_ERROR
  // value. False only when no values could be had.
  virtual bool GetProps(const std::vector<std::uint32_t>& tags, std::uint32_t flags,
                        std::vector<PropValue>* values) = 0;
  // A received message: PR_MESSAGE_FLAGS to mark it read, kept at once. A new message:
  // PR_SUBJECT and PR_BODY, kept when the message is saved.
  virtual bool SetProps(const std::vector<PropValue>& values) = 0;
  // The property as a stream (IID_IStream, read only): how PR_BODY of any length is read.
  virtual bool OpenProperty(std::uint32_t tag, std::uint32_t flags, PropertyStream** stream) = 0;
  // A new message: adds recipients (kModRecipAdd), each its PR_RECIPIENT_TYPE,
  // PR_DISPLAY_NAME, PR_EMAIL_ADDRESS and PR_ADDRTYPE.
  virtual bool ModifyRecipients(std::uint32_t flags,
                                const std::vector<std::vector<PropValue>>& recipients) = 0;
  virtual bool CreateAttach(std::uint32_t flags, MessagingAttachment** attachment) = 0;
  // A new message is in its folder, whole, once this succeeds; not before.
  virtual bool SaveChanges(std::uint32_t flags) = 0;
  // Hands a saved message to the transport; on failure it stays in its folder, unsent.
  virtual bool SubmitMessage(std::uint32_t flags) = 0;
  virtual void Release() = 0;

 protected:
  ~MessagingMessage() = default;
};

// IMAPIFolder.
class MessagingFolder {
 public:
  // The folder's messages, in the order they arrived.
  virtual bool GetContentsTable(std::uint32_t flags, MessagingTable** table) = 0;
  // A new message in this folder, nothing in it yet.
  virtual bool CreateMessage(std::uint32_t flags, MessagingMessage** message) = 0;
  // Removes these messages of the folder with all they hold; one not there is no failure.
  virtual bool DeleteMessages(const std::vector<EntryId>& messages, std::uint32_t flags) = 0;
  virtual void Release() = 0;

 protected:
  ~MessagingFolder() = default;
};

// IMsgStore.
class MessagingStore {
 public:
  // As MessagingMessage::GetProps; the store's PR_IPM_OUTBOX_ENTRYID.
  virtual bool GetProps(const std::vector<std::uint32_t>& tags, std::uint32_t flags,
                        std::vector<PropValue>* values) = 0;
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
