// A message as the device keeps it: a small UTF-8 text file. Header lines "Name: value" up to
// the first empty line, then the body:
//
//   Sender-Name: Anna Beispiel
//   Sender-Address: anna@example.org
//   Subject: Termin
//
//   Hallo, ...
//
// Lines end in LF or CR LF; a leading byte-order mark is skipped. Names compare without
// letter case; the first of a repeated name counts, except for the names that may repeat
// (To, Cc: one recipient address each; Attachment: a file beside the message), which answers
// use. A line that is not "Name: value" is skipped; without an empty line there is no body.
// Bytes that are not UTF-8, and zero characters, read as U+FFFD, so every text is whole.
// A message made on the device is written the same way (FormatMessageFile).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace messaging {

inline constexpr char kSenderName[] = "Sender-Name";
inline constexpr char kSenderAddress[] = "Sender-Address";
inline constexpr char kSubject[] = "Subject";
inline constexpr char kTo[] = "To";
inline constexpr char kCc[] = "Cc";
inline constexpr char kAttachment[] = "Attachment";

// The longest message file read; bytes past it are not part of the message.
inline constexpr std::size_t kMessageFileLimit = 8 * 1024 * 1024;

struct MessageHeader {
  std::string name;  // as written
  std::u16string value;
};

struct MessageFile {
  std::vector<MessageHeader> headers;  // in file order
  std::u16string body;

  // The first value under this name, if there is one.
  std::optional<std::u16string> Find(std::string_view name) const;
};

MessageFile ParseMessageFile(std::string_view bytes);

// The file that reads back as this message: each header on one line (a line break in a value
// becomes a space, blanks before it are dropped), an empty line, the body. Header names are
// the caller's: plain, without a colon.
std::string FormatMessageFile(const MessageFile& message);

// UTF-8 to UTF-16; each byte that does not belong to a well-formed character, and each zero
// character, becomes U+FFFD.
std::u16string DecodeUtf8(std::string_view bytes);
// UTF-16 to UTF-8; a surrogate without its pair, and a zero character, becomes U+FFFD.
std::string EncodeUtf8(std::u16string_view text);

}  // namespace messaging
