#include <windows.h>

#include <string>

#include "platform/win32/system_library.h"
#include "platform/win32/win32_speech.h"

namespace lectavo {
namespace {

using BeginCall = int(WINAPI*)(const wchar_t* text, const char* voice, int wordsPerMinute,
                               int wordGap, int pitch, const wchar_t* wavPath);
using StateCall = int(WINAPI*)(const wchar_t* wavPath);

// What the engine's state call answers.
constexpr int kEngineRendering = 0;
constexpr int kEngineDone = 1;

std::string ReadWhole(const std::wstring& path) {
  std::string bytes;
  const HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
    bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

}  // namespace

struct Win32Speech::Library {
  HMODULE module = nullptr;
  BeginCall begin = nullptr;
  StateCall state = nullptr;
};

Win32Speech::Win32Speech() : library_(new Library) {}

Win32Speech::~Win32Speech() {
  if (!wavPath_.empty()) DeleteFileW(wavPath_.c_str());
  if (library_->module != nullptr) FreeLibrary(library_->module);
}

// Looked for in the device's system folder only, never in the current folder; once found it
// stays bound.
bool Win32Speech::Available() {
  if (library_->module != nullptr) return true;
  const HMODULE module = LoadSystemLibrary(kSpeechLibrary);
  if (module == nullptr) return false;
  const auto begin = reinterpret_cast<BeginCall>(
      reinterpret_cast<void*>(GetProcAddress(module, "TtsRenderBegin")));
  const auto state = reinterpret_cast<StateCall>(
      reinterpret_cast<void*>(GetProcAddress(module, "TtsRenderState")));
  if (begin == nullptr || state == nullptr) {
    FreeLibrary(module);
    return false;
  }
  *library_ = {module, begin, state};
  return true;
}

// Each rendering gets a file of its own, so one left behind by a stopped rendering never
// passes for the next.
bool Win32Speech::Begin(WStringView text, const EngineVoice& voice) {
  if (!Available()) return false;
  if (!wavPath_.empty()) DeleteFileW(wavPath_.c_str());
  wchar_t folder[MAX_PATH];
  if (GetTempPathW(MAX_PATH, folder) == 0) return false;
  wavPath_ = std::wstring(folder) + L"lectavo-speech-" + std::to_wstring(GetCurrentProcessId()) +
             L"-" + std::to_wstring(++renderings_) + L".wav";
  const std::wstring spoken(text.begin(), text.end());
  return library_->begin(spoken.c_str(), voice.name.c_str(), voice.wordsPerMinute, voice.wordGap,
                         voice.pitch, wavPath_.c_str()) == 0;
}

RenderState Win32Speech::Poll(std::string& wav) {
  if (wavPath_.empty() || library_->module == nullptr) return RenderState::kFailed;
  const int state = library_->state(wavPath_.c_str());
  if (state == kEngineRendering) return RenderState::kRendering;
  if (state != kEngineDone) return RenderState::kFailed;
  wav = ReadWhole(wavPath_);
  DeleteFileW(wavPath_.c_str());
  wavPath_.clear();
  return RenderState::kDone;
}

}  // namespace lectavo
