// lectavo-device listen RECORDING.raw LOG: what the device says from now on, line by line into
// LOG as it comes (make mail and make say show it while it grows): each text the speech engine
// was given, then how long sound was heard once the device has said all it will.
#include "device_control/device_listen.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "device_control/listening.h"
#include "service/reading_plan.h"

namespace {

constexpr int kRate = 22050;
constexpr std::size_t kShownBytes = 160;

// What the device's speech engine notes it was given: a line "voice<TAB>text" each.
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

long long SizeOf(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return static_cast<long long>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
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
  long long said = SizeOf(saidFile);
  long long recorded = 0;
  std::string pendingSamples;
  std::string pendingLines;
  std::vector<std::string> questions;
  for (const char16_t* words : lectavo::kReadItQuestion) {
    const std::u16string ascii(words);
    questions.emplace_back(ascii.begin(), ascii.end());
  }
  lectavo::Listening listening(kRate, questions);
  for (;; Sleep(100)) {
    pendingSamples += Appended(recording, recorded);
    std::vector<std::int16_t> samples(pendingSamples.size() / 2);
    memcpy(samples.data(), pendingSamples.data(), samples.size() * 2);
    pendingSamples.erase(0, samples.size() * 2);
    listening.Hear(samples.data(), samples.size());

    pendingLines += Appended(saidFile, said);
    for (std::size_t end; (end = pendingLines.find('\n')) != std::string::npos;) {
      const std::string line = pendingLines.substr(0, end);
      pendingLines.erase(0, end + 1);
      const std::size_t tab = line.find('\t');
      const std::string text = tab == std::string::npos ? line : line.substr(tab + 1);
      listening.Given(text);
      Say(log, "  said (" + line.substr(0, tab) + "): " + Shown(text));
      if (listening.Asking()) {
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
