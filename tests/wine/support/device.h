// The Wine prefix as the device the Wine tests work on: its files, its registry, its
// processes, and programs run as the device runs them.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lectavo::device {

bool Exists(const std::wstring& path);
std::optional<std::string> Content(const std::wstring& path);
void Write(const std::wstring& path, const std::string& bytes);
// Names in a folder, "." and ".." left out; folders end in a backslash.
std::vector<std::wstring> Names(const std::wstring& folder);
// Files below a folder, by their path relative to it.
std::vector<std::wstring> FilesBelow(const std::wstring& folder);
void CopyTree(const std::wstring& from, const std::wstring& to);
void RemoveTree(const std::wstring& path);

// HKEY_LOCAL_MACHINE.
struct Value {
  DWORD type = REG_NONE;
  std::vector<BYTE> bytes;
  bool operator==(const Value&) const = default;
};
std::optional<Value> ReadValue(const std::wstring& key, const std::wstring& name);
std::optional<std::wstring> ReadText(const std::wstring& key, const std::wstring& name);
std::optional<DWORD> ReadDword(const std::wstring& key, const std::wstring& name);
// Every value of a key by name; empty when the key is missing.
std::vector<std::pair<std::wstring, Value>> ValuesOf(const std::wstring& key);
bool KeyExists(const std::wstring& key);
// False when the value could not be written.
bool WriteDword(const std::wstring& key, const std::wstring& name, DWORD value);
bool WriteText(const std::wstring& key, const std::wstring& name, const std::wstring& text);

// Runs a program with the arguments and waits for its end while the calling thread answers
// its windows' messages; the exit code, or -1 when it does not end within a minute. With
// output, what it wrote on its standard output and error.
int RunAndPump(const std::wstring& program, const std::wstring& arguments,
               std::string* output = nullptr);

// Ids of the running processes whose executable name is exeName, letter case ignored, as
// the setup finds the programs it stops.
std::vector<DWORD> ProcessIds(const wchar_t* exeName);
int CountProcesses(const wchar_t* exeName);
// Ids of the running processes that the given process started; only those of that
// executable name, letter case ignored, when exeName is given.
std::vector<DWORD> ChildrenOf(DWORD parentId, const wchar_t* exeName = nullptr);
// Waits for the end of a process this test did not start by handle; true when it has ended
// (or is gone) within timeoutMs.
bool WaitForEnd(DWORD processId, DWORD timeoutMs);
// Terminates a process by its id and waits for its end.
void EndProcess(DWORD processId);

// Checks condition until it holds, answering the calling thread's own windows meanwhile;
// false when it still fails after timeoutMs.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// A program this test started, by its full path and without a command line. One that still
// runs when the object goes is terminated, by its own handle.
class StartedProcess {
 public:
  explicit StartedProcess(const std::wstring& path);
  ~StartedProcess();
  StartedProcess(const StartedProcess&) = delete;
  StartedProcess& operator=(const StartedProcess&) = delete;

  bool Started() const { return info_.hProcess != nullptr; }
  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Process() const { return info_.hProcess; }
  bool Running() const;
  // The exit code once it has ended within timeoutMs.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs) const;

 private:
  PROCESS_INFORMATION info_{};
};

}  // namespace lectavo::device
