#include "tests/support/fake_code_page.h"

#include <cstring>
#include <string>

namespace lectavo::fake {
namespace {

// Bytes 0x80..0x9F of Windows-1252; the five unassigned bytes map to the C1 controls as
// MultiByteToWideChar maps them.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

WChar ToWideChar(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : static_cast<WChar>(byte);
}

// Characters outside Windows-1252 that its best-fit table writes as a bare letter.
constexpr struct {
  char16_t character;
  char bestFit;
} kBestFit[] = {{0x0100, 'A'}, {0x0101, 'a'}, {0x0107, 'c'}, {0x010D, 'c'}, {0x0119, 'e'},
                {0x0141, 'L'}, {0x0142, 'l'}, {0x0144, 'n'}, {0x0151, 'o'}, {0x015B, 's'},
                {0x017A, 'z'}, {0x017C, 'z'}};

char ToAnsiChar(WChar c, bool bestFit) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (int i = 0; i < 32; ++i) {
    if (kHigh[i] == c) return static_cast<char>(0x80 + i);
  }
  for (const auto& entry : kBestFit) {
    if (bestFit && entry.character == c) return entry.bestFit;
  }
  return '?';
}

template <typename In>
int Length(const In* source, int sourceLength) {
  if (sourceLength >= 0) return sourceLength;
  int n = 0;
  while (source[n] != 0) ++n;
  return n + 1;  // the terminator is converted too
}

// Converts like the Win32 calls: a destination length of 0 asks for the size; a destination
// too small fails with 0.
template <typename In, typename Out, typename Conversion>
int Convert(const In* source, int sourceLength, Out* destination, int destinationLength,
            Conversion convert) {
  const int n = Length(source, sourceLength);
  if (destinationLength == 0) return n;
  if (n > destinationLength) return 0;
  for (int i = 0; i < n; ++i) destination[i] = convert(source[i]);
  return n;
}

}  // namespace

int FakeCodePage::ToWide(const char* source, int sourceLength, WChar* destination,
                         int destinationLength) {
  if (faults.Fails("ToWide")) return 0;
  return Convert(source, sourceLength, destination, destinationLength,
                 [](char c) { return ToWideChar(static_cast<unsigned char>(c)); });
}

int FakeCodePage::ToAnsi(const WChar* source, int sourceLength, char* destination,
                         int destinationLength, std::uint32_t flags) {
  if (faults.Fails("ToAnsi")) return 0;
  const bool bestFit = (flags & kNoBestFit) == 0;
  return Convert(source, sourceLength, destination, destinationLength,
                 [bestFit](WChar c) { return ToAnsiChar(c, bestFit); });
}

}  // namespace lectavo::fake
