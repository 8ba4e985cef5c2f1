#include "tests/wine/service/reading_device.h"

#include "service/service_control.h"
#include "standins/messaging/message_stores.h"
#include "tests/wine/support/messaging_library.h"
#include "tests/wine/support/paths.h"
#include "tests/wine/support/settings_record.h"

namespace lectavo::wine {
namespace {

// The voices as the setup lays out the package's: one folder per voice with its svox.pil.
const std::wstring kVoiceFolder = L"\\LectavoServiceTest\\";
const wchar_t* const kVoices[] = {L"ENG_W", L"FRA_W",    L"GER_M",    L"GER_W",    L"ITA_W",
                                  L"SPA_W", L"GERENG_W", L"FRAENG_W", L"SPAENG_W", L"ITAENG_W"};

std::wstring SpeechEngineInSystemFolder() {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder, length) + L"\\ttsengine.dll";
}

void EmptyInboxes() { device::RemoveTree(kMessageFoldersRoot); }

std::wstring Wide(const std::string& text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), length);
  wide.pop_back();
  return wide;
}

void SetEvent(const char16_t* name) {
  const HANDLE event =
      OpenEventW(EVENT_MODIFY_STATE, FALSE, reinterpret_cast<const wchar_t*>(name));
  if (event == nullptr) return;
  ::SetEvent(event);
  CloseHandle(event);
}

}  // namespace

DWORD WithVoice(DWORD speak, int speed, int pitch, int volume) {
  return (speak & ~0x003F7FFFu) | DWORD(speed / 2) | DWORD(pitch / 2) << 8 |
         DWORD(volume / 2) << 16;
}

ReadingDevice::ReadingDevice(DWORD speak, DWORD usedLang) {
  device::RemoveTree(kVoiceFolder);
  CreateDirectoryW(kVoiceFolder.c_str(), nullptr);
  for (const wchar_t* voice : kVoices) {
    CreateDirectoryW((kVoiceFolder + voice).c_str(), nullptr);
    CopyFileW(PackagePath(std::wstring(voice) + L".pil").c_str(),
              (kVoiceFolder + voice + L"\\svox.pil").c_str(), FALSE);
  }
  device::PutInstallRecord(speak, kVoiceFolder);
  device::WriteDword(device::kSettingsKey, L"ValUsedLang", usedLang);
  SetAccounts(L"Büro\t");
  CopyFileW(HostPath(LECTAVO_SPEECH_ENGINE).c_str(), SpeechEngineInSystemFolder().c_str(), FALSE);
  device::InstallMessagingLibrary();
  device::PutMessageStores({L"Büro", L"Privat"});
  EmptyInboxes();
}

ReadingDevice::~ReadingDevice() {
  recording_.reset();
  if (service_ && service_->Running()) {
    SetEvent(kServiceQuitEvent);
    service_->WaitForExit(3000);
  }
  service_.reset();
  EmptyInboxes();
  device::RemoveSettings();
  device::RemoveTree(kVoiceFolder);
}

bool ReadingDevice::Start() {
  service_ = std::make_unique<device::StartedProcess>(PackagePath(L"Lectavo_Service.exe"));
  return service_->Started() && Beating();
}

bool ReadingDevice::Beating() const {
  const auto alive = device::ReadDword(device::kSettingsKey, L"ValAlive");
  return device::WaitUntil(
      [&] { return device::ReadDword(device::kSettingsKey, L"ValAlive") != alive; }, 5000);
}

void ReadingDevice::RemoveSpeechEngine() { DeleteFileW(SpeechEngineInSystemFolder().c_str()); }

void ReadingDevice::SetSpeak(DWORD speak) {
  device::WriteDword(device::kSettingsKey, L"ValSpeak", speak);
}

void ReadingDevice::SetAccounts(const std::wstring& accounts) {
  device::WriteText(device::kSettingsKey, L"StrAccounts", accounts);
}

// The device's delivery, as make mail runs it: the parts through the environment.
bool ReadingDevice::Deliver(const std::wstring& store, const std::string& from,
                            const std::string& subject, const std::string& body) {
  SetEnvironmentVariableW(L"LECTAVO_MAIL_STORE", store.c_str());
  SetEnvironmentVariableW(L"LECTAVO_MAIL_FROM", Wide(from).c_str());
  SetEnvironmentVariableW(L"LECTAVO_MAIL_SUBJECT", Wide(subject).c_str());
  SetEnvironmentVariableW(L"LECTAVO_MAIL_BODY", Wide(body).c_str());
  return device::RunAndPump(HostPath(LECTAVO_DELIVER_MAIL), L"") == 0;
}

Samples ReadingDevice::HeardWithin(const std::string& body, double seconds) {
  HostRecording& recording = Record();
  if (!Deliver(L"Büro", "Anna Beispiel <anna@example.org>", "", body)) return {};
  const double until = double(recording.SoFar().values.size()) / 22050 + seconds;
  device::WaitUntil([&] { return double(recording.SoFar().values.size()) / 22050 > until; },
                    DWORD(seconds * 1000) + 5000);
  return recording.Stop();
}

bool ReadingDevice::ServiceRunning() const { return service_ && service_->Running(); }

HostRecording& ReadingDevice::Record() {
  recording_.reset();
  recording_ = std::make_unique<HostRecording>(std::string(LECTAVO_SERVICE_SCRATCH) + "/heard-" +
                                               std::to_string(++recordings_) + ".raw");
  return *recording_;
}

Samples ReadingDevice::Heard(const std::string& body, DWORD quietMs, double* firstSound) {
  HostRecording& recording = Record();
  // Where the recording stood when the delivery began: the time DeliverMail takes to start
  // counts against the first sound too.
  const double deliveredAt = double(recording.SoFar().values.size()) / 22050;
  if (!Deliver(L"Büro", "Anna Beispiel <anna@example.org>", "", body)) return {};
  Samples heard = RecordUntilQuiet(recording, quietMs, 20000, firstSound);
  if (firstSound != nullptr && *firstSound >= 0) *firstSound -= deliveredAt;
  return heard;
}

}  // namespace lectavo::wine
