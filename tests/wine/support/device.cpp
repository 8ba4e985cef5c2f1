#include "tests/wine/support/device.h"

#include <tlhelp32.h>

#include <algorithm>

namespace lectavo::device {
namespace {

template <typename Visit>
void ForEachName(const std::wstring& folder, Visit visit) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") {
      visit(name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

void CollectFiles(const std::wstring& root, const std::wstring& relative,
                  std::vector<std::wstring>& files) {
  ForEachName(relative.empty() ? root : root + L"\\" + relative,
              [&](const std::wstring& name, bool folder) {
                const std::wstring path = relative.empty() ? name : relative + L"\\" + name;
                if (folder) {
                  CollectFiles(root, path, files);
                } else {
                  files.push_back(path);
                }
              });
}

}  // namespace

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::string> Content(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  const bool ok = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  if (!ok || read != bytes.size()) return std::nullopt;
  return bytes;
}

void Write(const std::wstring& path, const std::string& bytes) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::vector<std::wstring> Names(const std::wstring& folder) {
  std::vector<std::wstring> names;
  ForEachName(folder, [&](const std::wstring& name, bool isFolder) {
    names.push_back(isFolder ? name + L"\\" : name);
  });
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::wstring> FilesBelow(const std::wstring& folder) {
  std::vector<std::wstring> files;
  CollectFiles(folder, L"", files);
  std::sort(files.begin(), files.end());
  return files;
}

void CopyTree(const std::wstring& from, const std::wstring& to) {
  CreateDirectoryW(to.c_str(), nullptr);
  ForEachName(from, [&](const std::wstring& name, bool folder) {
    if (folder) {
      CopyTree(from + L"\\" + name, to + L"\\" + name);
    } else {
      CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE);
    }
  });
}

void RemoveTree(const std::wstring& path) {
  ForEachName(path, [&](const std::wstring& name, bool folder) {
    if (folder) {
      RemoveTree(path + L"\\" + name);
    } else {
      DeleteFileW((path + L"\\" + name).c_str());
    }
  });
  RemoveDirectoryW(path.c_str());
}

std::optional<Value> ReadValue(const std::wstring& key, const std::wstring& name) {
  Value value;
  DWORD size = 0;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                   &value.type, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.bytes.resize(size);
  if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                   &value.type, value.bytes.data(), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.bytes.resize(size);
  return value;
}

// The text with its terminator as stored: a REG_SZ of (characters + 1) * 2 bytes.
std::optional<std::wstring> ReadText(const std::wstring& key, const std::wstring& name) {
  const auto value = ReadValue(key, name);
  if (!value || value->type != REG_SZ || value->bytes.size() % sizeof(wchar_t) != 0 ||
      value->bytes.size() < sizeof(wchar_t)) {
    return std::nullopt;
  }
  std::wstring text(value->bytes.size() / sizeof(wchar_t), L'\0');
  std::copy(value->bytes.begin(), value->bytes.end(), reinterpret_cast<BYTE*>(text.data()));
  if (text.back() != L'\0') return std::nullopt;
  text.pop_back();
  return text;
}

std::optional<DWORD> ReadDword(const std::wstring& key, const std::wstring& name) {
  const auto value = ReadValue(key, name);
  if (!value || value->type != REG_DWORD || value->bytes.size() != sizeof(DWORD)) {
    return std::nullopt;
  }
  DWORD number = 0;
  std::copy(value->bytes.begin(), value->bytes.end(), reinterpret_cast<BYTE*>(&number));
  return number;
}

std::vector<std::pair<std::wstring, Value>> ValuesOf(const std::wstring& key) {
  std::vector<std::pair<std::wstring, Value>> values;
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
    return values;
  }
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    DWORD length = 256;
    if (RegEnumValueW(opened, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    values.emplace_back(name, ReadValue(key, name).value_or(Value{}));
  }
  RegCloseKey(opened);
  std::sort(values.begin(), values.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  return values;
}

bool KeyExists(const std::wstring& key) {
  HKEY opened = nullptr;
  const bool exists =
      RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &opened) == ERROR_SUCCESS;
  if (exists) RegCloseKey(opened);
  return exists;
}

bool WriteDword(const std::wstring& key, const std::wstring& name, DWORD value) {
  return RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), name.c_str(), REG_DWORD, &value,
                         sizeof value) == ERROR_SUCCESS;
}

bool WriteText(const std::wstring& key, const std::wstring& name, const std::wstring& text) {
  return RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), name.c_str(), REG_SZ, text.c_str(),
                         static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

int RunAndPump(const std::wstring& program, const std::wstring& arguments, std::string* output) {
  std::wstring commandLine = L"\"" + program + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  // The program's output goes to a file of its own, read once it has ended.
  wchar_t outputFile[MAX_PATH] = {};
  HANDLE written = INVALID_HANDLE_VALUE;
  if (output != nullptr) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"out", 0, outputFile);
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    written = CreateFileW(outputFile, GENERIC_WRITE, kShareAll, &inherited, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = written;
    startup.hStdError = written;
  }
  PROCESS_INFORMATION started{};
  const BOOL created = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr,
                                      output != nullptr, 0, nullptr, nullptr, &startup, &started);
  if (written != INVALID_HANDLE_VALUE) CloseHandle(written);
  if (!created) return -1;
  CloseHandle(started.hThread);
  const ULONGLONG deadline = GetTickCount64() + 60000;
  DWORD exitCode = static_cast<DWORD>(-1);
  while (GetTickCount64() < deadline) {
    const DWORD left = static_cast<DWORD>(deadline - GetTickCount64());
    const DWORD woken = MsgWaitForMultipleObjects(1, &started.hProcess, FALSE, left, QS_ALLINPUT);
    if (woken == WAIT_OBJECT_0) {
      GetExitCodeProcess(started.hProcess, &exitCode);
      break;
    }
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  if (exitCode == static_cast<DWORD>(-1)) TerminateProcess(started.hProcess, 1);
  CloseHandle(started.hProcess);
  if (output != nullptr) {
    // Wine hands the standard handles on to the programs it starts, the launcher's too: the
    // file stays open there, and goes when they end.
    const HANDLE read = CreateFileW(outputFile, GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    output->clear();
    if (read != INVALID_HANDLE_VALUE) {
      output->resize(std::min<DWORD>(GetFileSize(read, nullptr), 1 << 20));
      DWORD done = 0;
      ReadFile(read, output->data(), static_cast<DWORD>(output->size()), &done, nullptr);
      output->resize(done);
      CloseHandle(read);
    }
    DeleteFileW(outputFile);
  }
  return static_cast<int>(exitCode);
}

template <typename Take>
void ForEachProcess(Take take) {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL found = Process32FirstW(snapshot, &entry); found;
       found = Process32NextW(snapshot, &entry)) {
    take(entry);
  }
  CloseHandle(snapshot);
}

std::vector<DWORD> ProcessIds(const wchar_t* exeName) {
  std::vector<DWORD> ids;
  ForEachProcess([&](const PROCESSENTRY32W& entry) {
    if (lstrcmpiW(entry.szExeFile, exeName) == 0) ids.push_back(entry.th32ProcessID);
  });
  return ids;
}

int CountProcesses(const wchar_t* exeName) { return static_cast<int>(ProcessIds(exeName).size()); }

std::vector<DWORD> ChildrenOf(DWORD parentId, const wchar_t* exeName) {
  std::vector<DWORD> ids;
  ForEachProcess([&](const PROCESSENTRY32W& entry) {
    if (entry.th32ParentProcessID == parentId &&
        (exeName == nullptr || lstrcmpiW(entry.szExeFile, exeName) == 0)) {
      ids.push_back(entry.th32ProcessID);
    }
  });
  return ids;
}

bool WaitForEnd(DWORD processId, DWORD timeoutMs) {
  const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
  if (process == nullptr) return true;
  const bool ended = WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
}

void EndProcess(DWORD processId) {
  if (const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId)) {
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG until = GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (GetTickCount64() >= until) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  return true;
}

StartedProcess::StartedProcess(const std::wstring& path) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info_)) {
    info_ = {};
  }
}

StartedProcess::~StartedProcess() {
  if (!Started()) return;
  if (Running()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool StartedProcess::Running() const {
  return Started() && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> StartedProcess::WaitForExit(DWORD timeoutMs) const {
  if (!Started() || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

}  // namespace lectavo::device
