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

// UTF-8 to UTF-16; each byte that does not belong to a well-formed character, and each zero
// character, becomes U+FFFD.
std::u16string DecodeUtf8(std::string_view bytes);

}  // namespace messaging
