#include "config/text_source.h"

#include <iterator>

#include "settings/language_table.h"

namespace lectavo {
namespace {

// Stored as 8-bit text in the ANSI code page, as the device keeps its string tables.
struct Caption {
  TabPosition tab;
  const char* german;
  const char* english;
};
constexpr Caption kCaptions[] = {
    {kGeneralTab, "Allgemein", "General"}, {kReadTab, "Vorlesen", "Read"},
    {kAnswerTab, "Antworten", "Answer"},   {kAnswerTextTab, "Antwort-Text", "Text for answer"},
    {kSpeakTab, "Sprechen", "Speak"},      {kAccountsTab, "Konten", "Accounts"},
    {kAboutTab, "Info", "About"}};
static_assert(InTabOrder(kCaptions));

}  // namespace

const WChar* TextSource::TabCaption(int position) {
  if (position < 0 || position >= kTabCount) return Convert("", "");
  return Convert(kCaptions[position].german, kCaptions[position].english);
}

const WChar* TextSource::LanguageName(int position) {
  if (position < 0 || position >= kLanguageCount) return Convert("", "");
  return Convert(kLanguageTable[position].german, kLanguageTable[position].english);
}

const WChar* TextSource::Convert(const char* german, const char* english) {
  converter_.AnsiToWide(output_, static_cast<int>(std::size(output_)),
                        english_ == 1 ? english : german);
  return output_;
}

}  // namespace lectavo
