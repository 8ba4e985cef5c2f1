// lectavo-device listen RECORDING.raw LOG: what the device says from now on, line by line into
// LOG as it comes (make mail and make say show it while it grows): each text the speech engine
// was given, then how long sound was heard once the device has said all it will. A question
// keeps it listening for the reply; listening that begins while the device records an answer
// waits for what the device says once the answer is over.
#include "device_control/device_listen.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "device_control/listening.h"
#include "service/reading_plan.h"

namespace {

constexpr int kRate = 22050;
constexpr std::size_t kShownBytes = 160;

// How long an answer may still come after a question was given to the engine: its 10 s, and
// the time the question takes to be said.
constexpr long long kQuestionOpenMilliseconds = 15000;

// The phrases as the speech engine notes them: all of them are ASCII.
std::vector<std::string> Narrowed(const char16_t* const (&phrases)[2]) {
  std::vector<std::string> narrowed;
  for (const char16_t* words : phrases) {
    const std::u16string ascii(words);
    narrowed.emplace_back(ascii.begin(), ascii.end());
  }
  return narrowed;
}

// What the device's speech engine notes it was given: a line "time<TAB>voice<TAB>text" each.
struct Noted {
  long long milliseconds = 0;
  std::string voice;
  std::string text;
};

Noted Parse(const std::string& line) {
  Noted noted;
  const std::size_t first = line.find('\t');
  const std::size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
  if (second == std::string::npos) {
    noted.text = line;
    return noted;
  }
  noted.milliseconds = atoll(line.substr(0, first).c_str());
  noted.voice = line.substr(first + 1, second - first - 1);
  noted.text = line.substr(second + 1);
  return noted;
}

long long Now() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return static_cast<long long>((ULONGLONG(now.dwHighDateTime) << 32 | now.dwLowDateTime) / 10000);
}

std::wstring SaidFile() {
  wchar_t folder[MAX_PATH];
  const DWORD length = GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder, length) + L"ttsengine-said.txt";
}

// The bytes a file holds beyond offset; offset moves on past them.
std::string Appended(const std::wstring& path, long long& offset) {
  std::string bytes;
  FILE* in = _wfopen(path.c_str(), L"rb");
  if (in == nullptr) return bytes;
  if (_fseeki64(in, offset, SEEK_SET) == 0) {
    char buffer[65536];
    for (size_t read; (read = fread(buffer, 1, sizeof buffer, in)) > 0;) bytes.append(buffer, read);
  }
  fclose(in);
  offset += static_cast<long long>(bytes.size());
  return bytes;
}

// The last whole line of a text.
std::string LastLine(const std::string& text) {
  const std::size_t end = text.rfind('\n');
  if (end == std::string::npos) return {};
  const std::size_t start = text.rfind('\n', end == 0 ? 0 : end - 1);
  return start == std::string::npos || start >= end ? text.substr(0, end)
                                                    : text.substr(start + 1, end - start - 1);
}

// A long text is shown by its beginning, cut between characters.
std::string Shown(std::string text) {
  if (text.size() <= kShownBytes) return text;
  std::size_t end = kShownBytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end) + "...";
}

void Say(FILE* log, const std::string& line) {
  fputs(line.c_str(), log);
  fputc('\n', log);
  fflush(log);
}

std::string Summary(const lectavo::Listening& listening, lectavo::ListeningOver over) {
  if (over == lectavo::ListeningOver::kNothingHeard) {
    return "heard: nothing within " + std::to_string(int(lectavo::kFirstSoundSeconds)) + " s";
  }
  char heard[96];
  snprintf(heard, sizeof heard, "heard: %.1f s of sound, loudest %.0f dB; ",
           listening.SoundSeconds(), listening.PeakDb());
  return heard + std::string(over == lectavo::ListeningOver::kQuiet
                                 ? "then quiet for 2 s"
                                 : "the question had no answer within 10 s, which counts as no");
}

}  // namespace

int ListenToDevice(const std::wstring& recording, const std::wstring& logPath) {
  FILE* log = _wfopen(logPath.c_str(), L"wb");
  if (log == nullptr) {
    fwprintf(stderr, L"cannot write %ls\n", logPath.c_str());
    return 1;
  }
  const std::wstring saidFile = SaidFile();
  long long said = 0;
  long long recorded = 0;
  std::string pendingSamples;
  std::string pendingLines;
  std::vector<std::string> questions = Narrowed(lectavo::kReadItQuestion);
  for (std::string& question : Narrowed(lectavo::kAnswerQuestion)) questions.push_back(question);
  lectavo::Listening listening(kRate, questions);
  // Only its Asks: whether a text is the prompt after which the device records an answer.
  // Listening ends soon after it, so the answer can be given; when listening begins while
  // the device records, what it says once the answer is over is waited for.
  const lectavo::Listening speakNow(kRate, Narrowed(lectavo::kSpeakNowPrompt));
  const Noted last = Parse(LastLine(Appended(saidFile, said)));
  if (Now() - last.milliseconds < kQuestionOpenMilliseconds) {
    if (speakNow.Asks(last.text)) {
      listening.QuestionOpen();
      Say(log, "  the device records an answer (it began " +
                   std::to_string((Now() - last.milliseconds) / 1000) + " s ago)");
    } else if (listening.Asks(last.text)) {
      listening.QuestionOpen();
      Say(log, "  the device was asking \"" + Shown(last.text) +
                   "\" when listening began: new mail waits until that is answered (make say "
                   "CMD=Ja or CMD=Nein) or its 10 s are up");
    }
  }
  for (;; Sleep(100)) {
    pendingSamples += Appended(recording, recorded);
    std::vector<std::int16_t> samples(pendingSamples.size() / 2);
    memcpy(samples.data(), pendingSamples.data(), samples.size() * 2);
    pendingSamples.erase(0, samples.size() * 2);
    listening.Hear(samples.data(), samples.size());

    pendingLines += Appended(saidFile, said);
    for (std::size_t end; (end = pendingLines.find('\n')) != std::string::npos;) {
      const Noted noted = Parse(pendingLines.substr(0, end));
      pendingLines.erase(0, end + 1);
      listening.Given(noted.text);
      Say(log, "  said (" + noted.voice + "): " + Shown(noted.text));
      if (speakNow.Asks(noted.text)) {
        Say(log,
            "  recording: speak the answer within 10 s, or give it with make say "
            "ANSWER=answer.wav (or ANSWER=\"text\")");
      } else if (listening.Asking()) {
        Say(log, "  asked: answer within 10 s with make say CMD=Ja or CMD=Nein (Yes, No)");
      }
    }
    if (const auto over = listening.Over()) {
      Say(log, Summary(listening, *over));
      fclose(log);
      return 0;
    }
  }
}
