// Answering by voice on the device: a message is read, the question "Antworten?" answered, and
// a spoken answer played into the device's microphone; the store's outbox then holds the
// answer, its recording matching what was played. A "no" sends nothing.
#include <gtest/gtest.h>

#include "device_control/speech_measures.h"
#include "service/answer_recording.h"
#include "service/service_control.h"
#include "standins/messaging/message_file.h"
#include "standins/messaging/message_stores.h"
#include "tests/wine/service/reading_device.h"
#include "tests/wine/support/paths.h"
#include "tests/wine/support/settings_record.h"

namespace lectavo::wine {
namespace {

constexpr DWORD kAnswerOn = 1u << 23;
constexpr DWORD kAnswerNote = 1u << 24;
constexpr DWORD kAnswerOriginal = 1u << 25;
constexpr char kNote[] = "Gesendet unterwegs.\r\n";
constexpr wchar_t kNotePath[] = L"\\ORBA-GMBH\\Lectavo\\LectavoAnswer.TXT";

// The answer note in the program folder for as long as it lives; folders it made go with it
// when they are empty.
struct NoteFile {
  NoteFile() {
    CreateDirectoryW(L"\\ORBA-GMBH", nullptr);
    CreateDirectoryW(L"\\ORBA-GMBH\\Lectavo", nullptr);
    device::Write(kNotePath, kNote);
  }
  ~NoteFile() {
    DeleteFileW(kNotePath);
    RemoveDirectoryW(L"\\ORBA-GMBH\\Lectavo");
    RemoveDirectoryW(L"\\ORBA-GMBH");
  }
};

std::wstring SaidFile() {
  wchar_t folder[MAX_PATH];
  const DWORD length = GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder, length) + L"ttsengine-said.txt";
}

// Whether the speech engine was given a text ending in words since it had noted offset bytes.
bool Given(std::size_t offset, const std::string& words) {
  const std::string said = device::Content(SaidFile()).value_or("");
  const std::size_t at = said.find(words + "\n", offset);
  return at != std::string::npos;
}

void SetEvent(const char16_t* name) {
  const HANDLE event =
      OpenEventW(EVENT_MODIFY_STATE, FALSE, reinterpret_cast<const wchar_t*>(name));
  ASSERT_NE(event, nullptr);
  ::SetEvent(event);
  CloseHandle(event);
}

std::size_t SaidSoFar() { return device::Content(SaidFile()).value_or("").size(); }

// The outbox's message files, without the attachments and marks beside them.
std::vector<std::wstring> OutboxMessages() { return ListMessageFiles(OutboxFolder(L"Büro")); }

TEST(AnsweringWineTest, ANoSendsNothingAYesSendsWhatWasSpoken) {
  ReadingDevice device(kBodyOnly | kAnswerOn | kAnswerNote | kAnswerOriginal);
  device::WriteText(device::kSettingsKey, L"StrAddressCC", L"chef@example.org");
  const NoteFile note;
  ASSERT_TRUE(device.Start());

  // A "no": the service goes on to the next message without recording.
  std::size_t offset = SaidSoFar();
  ASSERT_TRUE(device.Deliver(L"Büro", "Bert <bert@example.org>", "Erst", "Nein danke."));
  ASSERT_TRUE(device::WaitUntil([&] { return Given(offset, "Antworten?"); }, 20000));
  SetEvent(kServiceAnswerNoEvent);

  offset = SaidSoFar();
  ASSERT_TRUE(
      device.Deliver(L"Büro", "Anna Beispiel <anna@example.org>", "Treffen", "Kommst du morgen?"));
  ASSERT_TRUE(device::WaitUntil([&] { return Given(offset, "Antworten?"); }, 20000));
  EXPECT_TRUE(OutboxMessages().empty()) << "the no sent nothing";
  // The prompt heard to its end: the microphone is open from then on.
  HostRecording& heard = device.Record();
  SetEvent(kServiceAnswerYesEvent);
  ASSERT_TRUE(device::WaitUntil([&] { return Given(offset, "Bitte sprechen Sie jetzt."); }, 10000));
  // Wine's wave-in records from 0.3 to 1 s after the service opened it, after the prompt.
  RecordUntilQuiet(heard, 1500, 10000);

  const Samples spoken = RenderNatively("Ich komme um drei.", "de", 175, 0, 50);
  const std::vector<std::uint8_t> wav = WavFile(spoken.values, spoken.rate);
  const std::string played = std::string(LECTAVO_SERVICE_SCRATCH) + "/answer.wav";
  device::Write(HostPath(played), std::string(wav.begin(), wav.end()));
  ASSERT_TRUE(RunOnHost("paplay --device=microphone \\\"$1\\\"", {played}));

  ASSERT_TRUE(device::WaitUntil([&] { return Given(offset, "Antwort gesendet."); }, 20000));
  const std::vector<std::wstring> messages = OutboxMessages();
  ASSERT_EQ(messages.size(), 1u);
  const std::wstring path = OutboxFolder(L"Büro") + messages[0];
  EXPECT_TRUE(device::Exists(path + kSentMarkEnding));
  const messaging::MessageFile message =
      messaging::ParseMessageFile(device::Content(path).value_or(""));
  EXPECT_EQ(message.Find(messaging::kTo), u"anna@example.org");
  EXPECT_EQ(message.Find(messaging::kCc), u"chef@example.org");
  EXPECT_EQ(message.Find(messaging::kSubject), u"AW: Treffen");
  EXPECT_EQ(message.body,
            u"Gesendet unterwegs.\r\n\r\n-----Ursprüngliche Nachricht-----\r\n"
            u"Von: Anna Beispiel <anna@example.org>\r\nBetreff: Treffen\r\n\r\nKommst du morgen?");

  const std::optional<std::u16string> attachment = message.Find(messaging::kAttachment);
  ASSERT_TRUE(attachment.has_value());
  const std::optional<Samples> recorded = WavSamples(
      device::Content(OutboxFolder(L"Büro") + std::wstring(attachment->begin(), attachment->end()))
          .value_or(""));
  ASSERT_TRUE(recorded.has_value());
  EXPECT_EQ(recorded->rate, kAnswerSampleRate);
  EXPECT_GE(EnvelopeMatch(*recorded, spoken), 0.95);
  EXPECT_NEAR(RmsDb(Sounding(*recorded)), RmsDb(Sounding(spoken)), 1.0);
  EXPECT_TRUE(device.Beating());
}

}  // namespace
}  // namespace lectavo::wine
