// The Answer text page over a note file whose bytes are the fuzzer's (none, empty, 8-bit
// characters, lone CRs, zero bytes, more than 2047 bytes), edited and saved by a fuzzed user:
// the field shows the file's text converted, and a save writes exactly the field's text
// converted, at most 2047 bytes, or leaves the file as it was and says so. The note is a fixed
// point: opened and saved unchanged it writes back the bytes it read (the first 2047, up to
// the first zero byte), and a second save changes nothing.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "config/answer_text_page.h"
#include "config/answer_text_page_controls.h"
#include "framework/headless/headless_window_system.h"
#include "tests/config/config_program.h"
#include "tests/fuzz/fuzz_target.h"

namespace lectavo {
namespace {

constexpr std::size_t kDefaultNoteLength = 238;
// Every action's rule holds after a few of them as after many; more actions only make an
// input cost more than it explores (four typings reach the field's limit).
constexpr int kMaxActions = 16;

using fuzz::Check;

// The bytes of the file the page reads: up to 2047 of them, up to the first zero.
std::string ReadPart(const std::string& bytes) {
  const std::string text = bytes.substr(0, kAnswerTextLength);
  return text.substr(0, text.find('\0'));
}

// What the page must show for the file's bytes.
WString Shown(fake::FakeCodePage& codePage, const std::string& bytes) {
  const std::string text = ReadPart(bytes);
  std::vector<WChar> wide(text.size() + 1);
  Check(codePage.ToWide(text.c_str(), -1, wide.data(), static_cast<int>(wide.size())) ==
        static_cast<int>(wide.size()));
  return WString(wide.data());
}

// What a save must write for the field's text.
std::string Saved(fake::FakeCodePage& codePage, const WString& text) {
  std::vector<char> ansi(text.size() + 1);
  Check(codePage.ToAnsi(text.c_str(), -1, ansi.data(), static_cast<int>(ansi.size()),
                       kNoBestFit) ==
        static_cast<int>(ansi.size()));
  return std::string(ansi.data());
}

class Session {
 public:
  explicit Session(FuzzedDataProvider& input) : input_(input) {
    program_.PutRecord();
    program_.files.PutFolder(kProgramFolder);
    if (input_.ConsumeBool()) {
      const auto length = input_.ConsumeIntegralInRange<std::size_t>(0, 3000);
      program_.files.PutFile(kAnswerTextPath, input_.ConsumeBytesAsString(length));
    }
    program_.files.faults.FailWhen("CreateForWriting", [this](WStringView) { return failCreate_; });
  }

  void Run() {
    program_.windows.whileModal = [this](HeadlessWindowSystem& user) { Act(user); };
    program_.application.InitInstance();
    Check(program_.files.OpenHandles() == 0);
  }

 private:
  void Open(HeadlessWindowSystem& user) {
    user.SelectTab(kAnswerTextTab);
    const std::optional<std::string> file = program_.files.Content(kAnswerTextPath);
    const WString shown = user.Text(kNoteFieldId);
    read_ = file;
    unchanged_ = true;
    if (file) {
      Check(shown == Shown(reference_, *file));
    } else {
      Check(shown.size() == kDefaultNoteLength);
    }
  }

  void Act(HeadlessWindowSystem& user) {
    Open(user);
    for (int action = 0; action < kMaxActions && input_.remaining_bytes() > 0; ++action) {
      switch (input_.ConsumeIntegralInRange(0, 3)) {
        case 0:
          unchanged_ = unchanged_ && user.Text(kNoteFieldId).empty();
          user.Erase(kNoteFieldId);
          break;
        case 1: {
          WString typed;
          const auto count = input_.ConsumeIntegralInRange<std::size_t>(0, 600);
          for (std::size_t i = 0; i < count && input_.remaining_bytes() > 0; ++i) {
            // An edit field takes no zero character from the keyboard.
            const auto unit = input_.ConsumeIntegral<std::uint16_t>();
            if (unit != 0) typed += static_cast<WChar>(unit);
          }
          unchanged_ = unchanged_ && typed.empty();
          user.Type(kNoteFieldId, typed);
          break;
        }
        case 2:
          Save(user);
          break;
        default:
          Reopen(user);
          break;
      }
    }
    Save(user);
  }

  void Reopen(HeadlessWindowSystem& user) {
    user.SelectTab(kReadTab);
    Open(user);
  }

  // A save, failing where the fuzzer says when it may.
  void Save(HeadlessWindowSystem& user) {
    failCreate_ = input_.ConsumeBool() && input_.ConsumeBool();
    const std::optional<std::string> before = program_.files.Content(kAnswerTextPath);
    const std::size_t boxes = program_.userInterface.boxes.size();
    const WString text = user.Text(kNoteFieldId);
    Check(text.size() <= static_cast<std::size_t>(kAnswerTextLength));
    user.Click(kIdOkButton);
    Check(user.Text(kNoteFieldId) == text);
    if (failCreate_) {
      Check(program_.files.Content(kAnswerTextPath) == before);
      Check(program_.userInterface.boxes.size() == boxes + 1);
      return;
    }
    const std::optional<std::string> after = program_.files.Content(kAnswerTextPath);
    Check(after.has_value() && after->size() <= static_cast<std::size_t>(kAnswerTextLength));
    Check(*after == Saved(reference_, text));
    Check(program_.userInterface.boxes.size() == boxes);
    if (unchanged_ && read_) Check(*after == ReadPart(*read_));
    // Saved again, the note stays as it is.
    user.Click(kIdOkButton);
    Check(program_.files.Content(kAnswerTextPath) == after && user.Text(kNoteFieldId) == text);
  }

  FuzzedDataProvider& input_;
  bool failCreate_ = false;
  // The file as the page last read it, and whether the field still shows what it read.
  std::optional<std::string> read_;
  bool unchanged_ = true;
  fake::FakeCodePage reference_;
  ConfigProgram program_;
};

}  // namespace
}  // namespace lectavo

void FuzzOne(FuzzedDataProvider& input) { lectavo::Session(input).Run(); }
