// Where the device lists its message stores: one per value "1", "2", ... (REG_SZ, the store's
// display name) of this key, in number order up to the first number missing. A person edits
// them there; the device's messaging library serves them. Each store keeps its messages as
// files in a folder of its own under kMessageFoldersRoot (see message_file.h for a file).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace lectavo {

inline constexpr wchar_t kMessageStoresKey[] = L"SOFTWARE\\MessagingStandin\\MessageStores";
inline constexpr wchar_t kMessageFoldersRoot[] = L"C:\\Messages\\";
// The folder of received messages inside a store's folder, and its name as a folder entry.
inline constexpr wchar_t kInboxFolder[] = L"Inbox";
// The folder of messages made on the device, to be sent, with each one's attachments beside
// it as "<message name>.<n>.<attachment's name>".
inline constexpr wchar_t kOutboxFolder[] = L"Outbox";
// A message file ends in this; one being delivered has another ending until it is whole.
inline constexpr wchar_t kMessageFileEnding[] = L".txt";
// Beside a message that has been read: its name with this ending, empty.
inline constexpr wchar_t kReadMarkEnding[] = L".read";
// Beside a message of the outbox that was submitted: its name with this ending, empty.
inline constexpr wchar_t kSentMarkEnding[] = L".sent";
// What a message file being written ends in until it is renamed.
inline constexpr wchar_t kPartialEnding[] = L".part";

struct StoreRecord {
  std::wstring displayName;
  ULONG number;
};

// Read anew at each call, so an edit shows the next time a table is made.
std::vector<StoreRecord> ReadStores();

// The store's folder: its display name, with each character a file name cannot hold (and %)
// written as %XXXX (its UTF-16 code in hex), as are a trailing dot or space, the first letter
// of a device name (CON, NUL, COM1, ...) and an empty name ("%"); a long name is cut and ends
// in a hash of the whole, so every folder name fits.
std::wstring StoreFolder(const std::wstring& displayName);
// The store's inbox and outbox, with a closing backslash.
std::wstring InboxFolder(const std::wstring& displayName);
std::wstring OutboxFolder(const std::wstring& displayName);

// The message files of a folder in the order they arrived: by file name, which a delivery
// makes from the time. None when the folder is not there.
std::vector<std::wstring> ListMessageFiles(const std::wstring& folder);
// Up to limit bytes of the file; false when it cannot be read.
bool ReadWholeFile(const std::wstring& path, std::size_t limit, std::string* bytes);
// A new file with these bytes, flushed; false (and maybe part of it there) when it cannot be.
bool WriteNewFile(const std::wstring& path, const std::string& bytes);
// A name for a new message of the folder, without its ending: the time in 100 ns steps,
// zero-padded, so names sort as they were made; none of the folder's has it.
std::wstring NewMessageName(const std::wstring& folder);

}  // namespace lectavo
