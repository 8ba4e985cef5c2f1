#include "config/text_converter.h"

#include <algorithm>
#include <cstring>

namespace lectavo {
namespace {

constexpr int kErrorTextCapacity = 256;

}  // namespace

int TextConverter::AnsiToWide(WChar* destination, int capacity, const char* source) {
  if (capacity <= 0) return 0;
  // Twice the source length, as the device allows, but never past the destination.
  const auto allowed =
      static_cast<int>(std::min<long>(capacity, 2 * (static_cast<long>(std::strlen(source)) + 1)));
  const int written = codePage_.ToWide(source, -1, destination, allowed);
  if (written == 0) destination[0] = u'\0';
  return written;
}

int TextConverter::WideToAnsi(char* destination, int capacity, const WChar* source) {
  if (capacity <= 0) return 0;
  // The note's reader gets "?" for what the code page lacks, never a different letter.
  const int written = codePage_.ToAnsi(source, -1, destination, capacity, kNoBestFit);
  if (written == 0) destination[0] = '\0';
  return written;
}

void TextConverter::ErrorBox(WStringView german, WStringView english, bool inEnglish,
                             WStringView caption, Handle owner) {
  const WStringView text = inEnglish ? english : german;
  WChar buffer[kErrorTextCapacity] = {};
  text.copy(buffer, kErrorTextCapacity - 1);
  userInterface_.ShowMessageBox(owner, buffer, caption, kMbIconHand);
}

}  // namespace lectavo
