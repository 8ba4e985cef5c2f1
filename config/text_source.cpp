#include "config/text_source.h"

#include <iterator>

namespace lectavo {
namespace {

// Stored as 8-bit text in the ANSI code page, as the device keeps its string tables.
struct Caption {
  const char* german;
  const char* english;
};
constexpr Caption kCaptions[kTabCount] = {
    {"Allgemein", "General"}, {"Vorlesen", "Read"},
    {"Antworten", "Answer"},  {"Antwort-Text", "Text for answer"},
    {"Sprechen", "Speak"},    {"Konten", "Accounts"},
    {"Info", "About"}};

}  // namespace

const WChar* TextSource::TabCaption(int position) {
  if (position < 0 || position >= kTabCount) {
    output_[0] = u'\0';
    return output_;
  }
  const Caption& caption = kCaptions[position];
  converter_.AnsiToWide(output_, static_cast<int>(std::size(output_)),
                        english_ == 1 ? caption.english : caption.german);
  return output_;
}

}  // namespace lectavo
