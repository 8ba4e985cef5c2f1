#include "tests/wine/launcher/device.h"

#include "tests/wine/support/paths.h"
#include "tests/wine/support/settings_record.h"

namespace lectavo::device {

bool Install(const wchar_t* name) {
  wine::MakeProgramFolder();
  return CopyFileW(wine::PackagePath(name).c_str(), wine::ProgramFile(name).c_str(), FALSE) != 0;
}

void Uninstall(const wchar_t* name) { DeleteFileW(wine::ProgramFile(name).c_str()); }

void PutSettings(DWORD speak, DWORD waitStartSeconds, DWORD alive) {
  PutStartSettings(speak, waitStartSeconds);
  WriteDword(kSettingsKey, L"ValAlive", alive);
}

std::optional<DWORD> Alive() { return ReadDword(kSettingsKey, L"ValAlive"); }

std::vector<DWORD> StopByName(const wchar_t* exeName) {
  const std::vector<DWORD> found = ProcessIds(exeName);
  for (DWORD id : found) {
    if (const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, id)) {
      TerminateProcess(process, 0);
      CloseHandle(process);
    }
  }
  return found;
}

bool SetServiceEvent(const char16_t* name) {
  const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, reinterpret_cast<const wchar_t*>(name));
  if (event == nullptr) return false;
  const bool set = SetEvent(event) != 0;
  CloseHandle(event);
  return set;
}

}  // namespace lectavo::device
