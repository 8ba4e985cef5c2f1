// The configuration program's conversions between UTF-16 and the ANSI code page, over texts of
// any character (outside the code page, lone surrogates, controls) and any destination size:
// nothing is written past the destination; a text that does not fit comes out empty; a
// character of the code page converts to its own byte and every other one to "?"; converted
// back and forth, a text is a fixed point.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "config/text_converter.h"
#include "tests/fuzz/fuzz_target.h"
#include "tests/support/fake_code_page.h"
#include "tests/support/fake_user_interface.h"

namespace lectavo {
namespace {

using fuzz::Check;

// The code page's characters, from its own byte-to-character direction.
std::map<WChar, char> CodePageBytes() {
  fake::FakeCodePage codePage;
  std::map<WChar, char> bytes;
  for (int byte = 1; byte < 256; ++byte) {
    const char in = static_cast<char>(byte);
    WChar out = 0;
    Check(codePage.ToWide(&in, 1, &out, 1) == 1);
    bytes[out] = in;
  }
  return bytes;
}

// Characters the code page has, lacks, and that trouble conversions.
WChar ConsumeCharacter(FuzzedDataProvider& input) {
  constexpr WChar kSamples[] = {u'?',   0x00E4, 0x20AC, 0x0142, 0x0081, 0x009D, 0xD83D,
                                0xDE00, 0xFFFD, 0xFEFF, 0x3042, 0x00FF, 0x0178, 0x2028};
  const auto pick = input.ConsumeIntegralInRange<std::size_t>(0, std::size(kSamples) + 1);
  if (pick < std::size(kSamples)) return kSamples[pick];
  if (pick == std::size(kSamples)) return static_cast<WChar>(input.ConsumeIntegralInRange(1, 0x7F));
  const auto unit = input.ConsumeIntegral<std::uint16_t>();
  return unit == 0 ? u' ' : static_cast<WChar>(unit);
}

// A destination of exactly capacity units, so that one unit more is caught.
template <typename T>
std::unique_ptr<T[]> Buffer(int capacity) {
  return std::unique_ptr<T[]>(new T[static_cast<std::size_t>(capacity)]);
}

}  // namespace
}  // namespace lectavo

void FuzzOne(FuzzedDataProvider& input) {
  using namespace lectavo;
  static const std::map<WChar, char> kBytes = CodePageBytes();
  fake::FakeCodePage codePage;
  fake::FakeUserInterface userInterface;
  TextConverter converter(codePage, userInterface);

  WString wide(input.ConsumeIntegralInRange<std::size_t>(0, 300), u'\0');
  for (WChar& c : wide) c = ConsumeCharacter(input);
  const int length = static_cast<int>(wide.size());
  const int capacity = input.ConsumeIntegralInRange(0, length + 2);
  const bool fails = input.ConsumeIntegralInRange(0, 15) == 0;
  if (fails) codePage.faults.FailCall("ToAnsi", 1);

  // UTF-16 to ANSI.
  auto ansi = Buffer<char>(capacity);
  const int written = converter.WideToAnsi(ansi.get(), capacity, wide.c_str());
  if (fails || capacity <= length) {
    Check(written == 0);
    if (capacity > 0) Check(ansi[0] == '\0');
    return;
  }
  Check(written == length + 1 && ansi[length] == '\0');
  for (int i = 0; i < length; ++i) {
    const auto own = kBytes.find(wide[static_cast<std::size_t>(i)]);
    Check(ansi[i] == (own != kBytes.end() ? own->second : '?'));
  }

  // And back, into a destination of the fuzzer's size.
  const int wideCapacity = input.ConsumeIntegralInRange(0, length + 2);
  auto back = Buffer<WChar>(wideCapacity);
  const int read = converter.AnsiToWide(back.get(), wideCapacity, ansi.get());
  if (wideCapacity <= length) {
    Check(read == 0);
    if (wideCapacity > 0) Check(back[0] == u'\0');
    return;
  }
  Check(read == length + 1 && back[length] == u'\0');
  for (int i = 0; i < length; ++i) {
    const WChar c = wide[static_cast<std::size_t>(i)];
    Check(back[i] == (kBytes.count(c) != 0 ? c : u'?'));
  }
  // Converted again, the text gives the same bytes.
  auto again = Buffer<char>(length + 1);
  Check(converter.WideToAnsi(again.get(), length + 1, back.get()) == length + 1);
  Check(std::string(again.get()) == std::string(ansi.get()));
  Check(userInterface.boxes.empty());
}
