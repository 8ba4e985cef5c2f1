// The Win32 adapters of the reading service's own roles: the speech engine, the wave-out and
// wave-in devices and the service's named events.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/audio_input.h"
#include "platform/service_events.h"
#include "platform/speech.h"

namespace lectavo {

// The device's speech engine library, found by this name in the device's system folder.
inline constexpr wchar_t kSpeechLibrary[] = L"ttsengine.dll";

class Win32Speech final : public Speech {
 public:
  Win32Speech();
  ~Win32Speech() override;
  Win32Speech(const Win32Speech&) = delete;
  Win32Speech& operator=(const Win32Speech&) = delete;

  bool Available() override;
  bool Begin(WStringView text, const EngineVoice& voice) override;
  RenderState Poll(std::string& wav) override;

 private:
  struct Library;
  std::unique_ptr<Library> library_;
  std::wstring wavPath_;
  unsigned renderings_ = 0;
};

class Win32Audio final : public AudioOutput {
 public:
  Win32Audio();
  ~Win32Audio() override;
  Win32Audio(const Win32Audio&) = delete;
  Win32Audio& operator=(const Win32Audio&) = delete;

  bool Open(int sampleRate) override;
  bool Play(const std::vector<std::int16_t>& samples, int sampleRate) override;
  bool Playing() override;
  void Stop() override;

 private:
  struct Device;
  std::unique_ptr<Device> device_;
};

class Win32AudioInput final : public AudioInput {
 public:
  Win32AudioInput();
  ~Win32AudioInput() override;
  Win32AudioInput(const Win32AudioInput&) = delete;
  Win32AudioInput& operator=(const Win32AudioInput&) = delete;

  bool Start(int sampleRate) override;
  bool Take(std::vector<std::int16_t>& samples) override;
  void Stop() override;

 private:
  struct Device;
  std::unique_ptr<Device> device_;
};

class Win32ServiceEvents final : public ServiceEvents {
 public:
  Win32ServiceEvents() = default;
  ~Win32ServiceEvents() override;
  Win32ServiceEvents(const Win32ServiceEvents&) = delete;
  Win32ServiceEvents& operator=(const Win32ServiceEvents&) = delete;

  Handle Create(WStringView name) override;
  bool IsSet(Handle event) override;
  void Reset(Handle event) override;

 private:
  std::vector<Handle> created_;
};

}  // namespace lectavo
