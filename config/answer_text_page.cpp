#include "config/answer_text_page.h"

#include <cstring>
#include <vector>

#include "config/answer_text_page_controls.h"
#include "config/text_converter.h"

namespace lectavo {
namespace {

constexpr int kBufferSize = kAnswerTextLength + 1;
constexpr WChar kCaption[] = u"Lectavo";
// The new note's name while it is written.
constexpr WChar kBesideSuffix[] = u".new";

}  // namespace

AnswerTextPage::AnswerTextPage(SettingsRecord* record, TextSource*, const PagePlatform& platform)
    : Dialog(kAnswerTextPageTemplate),
      record_(record),
      platform_(platform),
      path_(kAnswerTextPath),
      note_(GetEdit(kNoteFieldId)) {
  OnCommand(kSaveNoteId, kBnClicked, &AnswerTextPage::OnClickedSave);
}

bool AnswerTextPage::OnInitDialog() {
  std::vector<char> note(kBufferSize, '\0');
  std::vector<WChar> shown(kBufferSize, u'\0');
  ShowDialogLanguage(*this, kAnswerTextPageTexts, record_->ValSpeak);
  const std::string read = ReadAnswerNote(platform_.files);
  std::memcpy(note.data(), read.c_str(), read.size() + 1);
  note_.LimitText(kAnswerTextLength);
  TextConverter converter(platform_.codePage, platform_.userInterface);
  converter.AnsiToWide(shown.data(), kBufferSize, note.data());
  note_.SetWindowText(shown.data());
  return true;
}

void AnswerTextPage::OnClickedSave() {
  std::vector<WChar> shown(kBufferSize, u'\0');
  std::vector<char> note(kBufferSize, '\0');
  const int length = note_.GetWindowText(shown.data(), kBufferSize);
  TextConverter converter(platform_.codePage, platform_.userInterface);
  const int converted = converter.WideToAnsi(note.data(), kBufferSize, shown.data());
  // A text that does not convert is not saved: writing it would empty the file.
  const bool saved =
      (length == 0 || converted > 1) &&
      WriteNote(note.data(), static_cast<std::uint32_t>(converted > 0 ? converted - 1 : 0));
  if (!saved) {
    // The text stays in the field, so the user can try again. The box belongs to the dialog
    // the page lies on: no page switch or OK can pass it by.
    converter.ErrorBox(u"Der Antworttext konnte nicht gespeichert werden.",
                       u"The text for answer could not be saved.",
                       FlagDialogEnglish.Get(record_->ValSpeak) == 1, kCaption, GetParentHwnd());
  }
}

bool AnswerTextPage::WriteNote(const char* note, std::uint32_t length) {
  Files& files = platform_.files;
  // Written beside the note and put in its place in one step, so that a save cut short
  // leaves the old note whole, never an empty or half one.
  const WString beside = path_ + kBesideSuffix;
  const Handle file = files.CreateForWriting(beside);
  if (file == kInvalidHandle) return false;
  std::uint32_t written = 0;
  const bool wrote =
      length == 0 || (files.Write(file, note, length, &written) && written == length);
  const bool closed = files.CloseFile(file);
  if (wrote && closed && files.Replace(beside, path_)) return true;
  files.Delete(beside);
  return false;
}

}  // namespace lectavo
