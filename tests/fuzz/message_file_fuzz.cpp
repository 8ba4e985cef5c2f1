// The device's message-file reader over any bytes, with now and then a body of up to 1 MB:
// every text read is whole (no zero character, surrogates paired), header names are plain,
// the first header of a name is the one found, and whatever needed no replacement reads back
// as exactly the bytes it came from. And its writer over any texts: a message written reads
// back with the same headers in order and the same body, but for what a file cannot hold
// (line breaks in a value, blanks before it, zeros and lone surrogates).
#include <cctype>
#include <optional>
#include <string>

#include "standins/messaging/message_file.h"
#include "tests/fuzz/fuzz_target.h"

namespace {

using fuzz::Check;

void CheckWhole(const std::u16string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    Check(text[i] != u'\0');
    if (text[i] >= 0xD800 && text[i] <= 0xDBFF) {
      Check(i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF);
      ++i;
    } else {
      Check(text[i] < 0xDC00 || text[i] > 0xDFFF);
    }
  }
}

// The text as it reads back: each zero and each surrogate without its pair is U+FFFD.
std::u16string Whole(const std::u16string& text) {
  std::u16string whole;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      whole += c;
      whole += text[++i];
    } else {
      whole += c == 0 || (c >= 0xD800 && c <= 0xDFFF) ? u'\uFFFD' : c;
    }
  }
  return whole;
}

std::u16string ConsumeText(FuzzedDataProvider& input, std::size_t longest) {
  const auto length = input.ConsumeIntegralInRange<std::size_t>(0, longest);
  std::u16string text;
  for (std::size_t i = 0; i < length && input.remaining_bytes() > 0; ++i) {
    // Mostly the characters that matter to the file's form.
    static constexpr char16_t kCommon[] = u" \t\r\n:a\u00e4";
    const bool common = input.ConsumeBool();
    text += common ? kCommon[input.ConsumeIntegralInRange<std::size_t>(0, 6)]
                   : input.ConsumeIntegral<char16_t>();
  }
  return text;
}

void CheckWrittenReadsBack(FuzzedDataProvider& input) {
  static const char* const kNames[] = {messaging::kTo, messaging::kCc, messaging::kSubject,
                                       messaging::kAttachment, messaging::kSenderName};
  messaging::MessageFile written;
  const auto count = input.ConsumeIntegralInRange<std::size_t>(0, 8);
  for (std::size_t i = 0; i < count; ++i) {
    written.headers.push_back(
        {kNames[input.ConsumeIntegralInRange<std::size_t>(0, 4)], ConsumeText(input, 64)});
  }
  written.body = ConsumeText(input, 4096);
  const messaging::MessageFile read =
      messaging::ParseMessageFile(messaging::FormatMessageFile(written));
  Check(read.headers.size() == written.headers.size());
  for (std::size_t i = 0; i < read.headers.size(); ++i) {
    std::u16string value = Whole(written.headers[i].value);
    for (char16_t& c : value) {
      if (c == u'\r' || c == u'\n') c = u' ';
    }
    value.erase(0, value.find_first_not_of(u" \t"));
    Check(read.headers[i].name == written.headers[i].name);
    Check(read.headers[i].value == value);
  }
  Check(read.body == Whole(written.body));
}

bool Replaced(const std::u16string& text) { return text.find(u'\uFFFD') != std::u16string::npos; }

}  // namespace

void FuzzOne(FuzzedDataProvider& input) {
  if (input.ConsumeIntegralInRange(0, 3) == 0) {
    CheckWrittenReadsBack(input);
    return;
  }
  std::string bytes = input.ConsumeRandomLengthString(64 * 1024);
  if (input.ConsumeIntegralInRange(0, 7) == 0) {  // now and then: a big body is slow
    const auto length = input.ConsumeIntegralInRange<std::size_t>(0, 1024 * 1024);
    bytes += std::string(length, static_cast<char>(input.ConsumeIntegral<std::uint8_t>()));
  }
  bytes += input.ConsumeRemainingBytesAsString();

  const messaging::MessageFile file = messaging::ParseMessageFile(bytes);
  CheckWhole(file.body);
  if (!Replaced(file.body)) {
    const std::string body = messaging::EncodeUtf8(file.body);
    Check(bytes.size() >= body.size() &&
          bytes.compare(bytes.size() - body.size(), body.size(), body) == 0);
  }
  std::optional<std::u16string> firstSubject;
  for (const messaging::MessageHeader& header : file.headers) {
    Check(!header.name.empty() && header.name.find_first_of(":\n") == std::string::npos);
    CheckWhole(header.value);
    Check(header.value.find(u'\n') == std::u16string::npos);
    Check(header.value.empty() || (header.value.front() != u' ' && header.value.front() != u'\t'));
    std::string lower = header.name;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool subject = lower == "subject";
    if (subject && !firstSubject) firstSubject = header.value;
  }
  Check(file.Find(messaging::kSubject) == firstSubject);

  const std::u16string decoded = messaging::DecodeUtf8(bytes);
  CheckWhole(decoded);
  Check(decoded.size() <= bytes.size());
  if (!Replaced(decoded)) Check(messaging::EncodeUtf8(decoded) == bytes);
}
