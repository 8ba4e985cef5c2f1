#include "standins/messaging/message_file.h"

#include <algorithm>
#include <cctype>

namespace messaging {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The length of the well-formed character at the start of bytes and its code point, or 0.
std::size_t DecodeOne(std::string_view bytes, char32_t* point) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  char32_t value = 0;
  char32_t least = 0;
  if (lead < 0x80) {
    *point = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07, least = 0x10000;
  } else {
    return 0;
  }
  if (bytes.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte(i) & 0x3F);
  }
  if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *point = value;
  return length;
}

void Append(std::u16string& text, char32_t point) {
  if (point == 0) {
    text += kReplacement;
  } else if (point < 0x10000) {
    text += static_cast<char16_t>(point);
  } else {
    point -= 0x10000;
    text += static_cast<char16_t>(0xD800 + (point >> 10));
    text += static_cast<char16_t>(0xDC00 + (point & 0x3FF));
  }
}

void AppendUtf8(std::string& bytes, char32_t point) {
  if (point < 0x80) {
    bytes += static_cast<char>(point);
  } else if (point < 0x800) {
    bytes += static_cast<char>(0xC0 | (point >> 6));
    bytes += static_cast<char>(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    bytes += static_cast<char>(0xE0 | (point >> 12));
    bytes += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    bytes += static_cast<char>(0xF0 | (point >> 18));
    bytes += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
    bytes += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (point & 0x3F));
  }
}

// The next line without its end; rest moves past the end.
std::string_view NextLine(std::string_view& rest) {
  const std::size_t end = rest.find('\n');
  std::string_view line = rest.substr(0, end);
  rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

std::u16string DecodeUtf8(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  while (!bytes.empty()) {
    char32_t point = 0;
    const std::size_t length = DecodeOne(bytes, &point);
    Append(text, length == 0 ? kReplacement : point);
    bytes.remove_prefix(std::max<std::size_t>(length, 1));
  }
  return text;
}

std::string EncodeUtf8(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t point = text[i];
    const bool high = point >= 0xD800 && point <= 0xDBFF;
    if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      point = 0x10000 + ((point - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (point == 0 || (point >= 0xD800 && point <= 0xDFFF)) {
      point = kReplacement;
    }
    AppendUtf8(bytes, point);
  }
  return bytes;
}

std::string FormatMessageFile(const MessageFile& message) {
  std::string bytes;
  for (const MessageHeader& header : message.headers) {
    std::u16string value = header.value;
    for (char16_t& c : value) {
      if (c == u'\r' || c == u'\n') c = u' ';
    }
    bytes += header.name + ": " + EncodeUtf8(value) + "\n";
  }
  return bytes + "\n" + EncodeUtf8(message.body);
}

std::optional<std::u16string> MessageFile::Find(std::string_view name) const {
  for (const MessageHeader& header : headers) {
    if (SameName(header.name, name)) return header.value;
  }
  return std::nullopt;
}

MessageFile ParseMessageFile(std::string_view bytes) {
  bytes = bytes.substr(0, kMessageFileLimit);
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  MessageFile message;
  while (!bytes.empty()) {
    const std::string_view line = NextLine(bytes);
    if (line.empty()) {
      message.body = DecodeUtf8(bytes);
      break;
    }
    const std::size_t colon = line.find(':');
    if (colon == 0 || colon == std::string_view::npos) continue;
    std::string_view value = line.substr(colon + 1);
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) {
      value.remove_prefix(1);
    }
    message.headers.push_back({std::string(line.substr(0, colon)), DecodeUtf8(value)});
  }
  return message;
}

}  // namespace messaging
