// The Win32 implementations of the platform roles. Desktop stand-ins for calls that exist
// only on Windows CE live here and nowhere else.
#pragma once

#include <memory>

#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/files.h"
#include "platform/messaging.h"
#include "platform/named_events.h"
#include "platform/named_mutexes.h"
#include "platform/power.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/single_instance.h"
#include "platform/sound.h"
#include "platform/user_interface.h"

namespace lectavo {

// The system's registry, processes and files. They keep no state, so each program shares one
// of each.
Registry& SystemRegistry();
Processes& SystemProcesses();
Files& SystemFiles();

class Win32UserInterface final : public UserInterface {
 public:
  int ShowMessageBox(Handle owner, WStringView text, WStringView caption,
                     std::uint32_t style) override;
  void SendToAllTopLevelWindows(std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) override;
};

class Win32SingleInstance final : public SingleInstance {
 public:
  Win32SingleInstance() = default;
  ~Win32SingleInstance() override;
  Win32SingleInstance(const Win32SingleInstance&) = delete;
  Win32SingleInstance& operator=(const Win32SingleInstance&) = delete;

  bool Claim(WStringView name) override;
  bool Raise(WStringView caption) override;

 private:
  void* mutex_ = nullptr;
};

class Win32Sound final : public Sound {
 public:
  bool Play(WStringView path, std::uint32_t flags) override;
};

class Win32Power final : public Power {
 public:
  bool RequestPowerState(std::uint32_t state, std::uint32_t options) override;
};

class Win32Clock final : public Clock {
 public:
  void Sleep(std::uint32_t milliseconds) override;
  std::uint64_t Milliseconds() override;
};

class Win32NamedEvents final : public NamedEvents {
 public:
  std::uint32_t Wait(WStringView name, std::uint32_t timeoutMilliseconds) override;
};

class Win32NamedMutexes final : public NamedMutexes {
 public:
  Handle Create(WStringView name) override;
  std::uint32_t Wait(Handle mutex, std::uint32_t timeoutMilliseconds) override;
  bool Release(Handle mutex) override;
  bool Close(Handle mutex) override;
};

class Win32CodePage final : public CodePage {
 public:
  int ToWide(const char* source, int sourceLength, WChar* destination,
             int destinationLength) override;
  int ToAnsi(const WChar* source, int sourceLength, char* destination, int destinationLength,
             std::uint32_t flags) override;
};

// The device's messaging library, looked for by this name in the device's system folder and
// the program's own folder when a log-on needs it. Without it, or without its calls, every log-on
// fails.
inline constexpr wchar_t kMessagingLibrary[] = L"cemapi.dll";

class Win32Messaging final : public Messaging {
 public:
  Win32Messaging();
  ~Win32Messaging() override;
  Win32Messaging(const Win32Messaging&) = delete;
  Win32Messaging& operator=(const Win32Messaging&) = delete;

  bool LogonEx(Handle window, const WChar* profile, const WChar* password, std::uint32_t flags,
               MessagingSession** session) override;
  void FreeProws(RowSet* rows) override;

 private:
  struct Library;
  bool Bind();

  std::unique_ptr<Library> library_;
};

}  // namespace lectavo
