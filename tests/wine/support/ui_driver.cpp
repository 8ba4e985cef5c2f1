#include "tests/wine/support/ui_driver.h"

#include <commctrl.h>

namespace lectavo::wine {
namespace {

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

struct Search {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window)) search->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectChildren(HWND window, LPARAM lParam) {
  reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> Descendants(HWND root) {
  std::vector<HWND> all;
  EnumChildWindows(root, CollectChildren, reinterpret_cast<LPARAM>(&all));
  return all;
}

std::vector<HWND> TopLevelWindows(DWORD processId) {
  Search search{processId, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForDialog(DWORD processId, const wchar_t* caption, DWORD timeoutMilliseconds) {
  const DWORD start = GetTickCount();
  do {
    for (HWND window : TopLevelWindows(processId)) {
      if (ClassName(window) != L"#32770") continue;
      if (caption == nullptr || Text(window) == caption) return window;
    }
    Sleep(2);
  } while (GetTickCount() - start < timeoutMilliseconds);
  return nullptr;
}

HWND FindControl(HWND root, int id) {
  for (HWND window : Descendants(root)) {
    if (GetDlgCtrlID(window) == id) return window;
  }
  return nullptr;
}

void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

void Type(HWND edit, const std::wstring& text) {
  for (wchar_t c : text) SendMessageW(edit, WM_CHAR, c, 1);
}

void ChooseItem(HWND combo, int index) {
  SendMessageW(combo, CB_SETCURSEL, index, 0);
  SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
}

void SelectTab(HWND tab, int index) { SendMessageW(tab, TCM_SETCURFOCUS, index, 0); }

void Close(HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); }

int CheckState(HWND button) { return static_cast<int>(SendMessageW(button, BM_GETCHECK, 0, 0)); }

std::wstring Text(HWND window) {
  wchar_t text[1024] = {};
  SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
  return text;
}

std::vector<std::wstring> Texts(HWND root) {
  std::vector<std::wstring> texts;
  for (HWND window : Descendants(root)) texts.push_back(Text(window));
  return texts;
}

std::vector<std::wstring> ListLines(HWND list) {
  std::vector<std::wstring> lines;
  const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[512] = {};
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    lines.push_back(text);
  }
  return lines;
}

std::vector<int> SelectedLines(HWND list) {
  std::vector<int> lines;
  const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    if (SendMessageW(list, LB_GETSEL, i, 0) > 0) lines.push_back(i);
  }
  return lines;
}

int SelectedTab(HWND tab) { return static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0)); }

// The item and its text buffer must lie in the program's own memory.
std::vector<std::wstring> TabCaptions(HWND tab) {
  std::vector<std::wstring> captions;
  DWORD processId = 0;
  GetWindowThreadProcessId(tab, &processId);
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (process == nullptr) return captions;
  constexpr int kTextMax = 128;
  auto* remote = static_cast<char*>(
      VirtualAllocEx(process, nullptr, sizeof(TCITEMW) + kTextMax * 2, MEM_COMMIT, PAGE_READWRITE));
  const int count = static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; remote != nullptr && i < count; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(TCITEMW));
    item.cchTextMax = kTextMax;
    wchar_t text[kTextMax] = {};
    WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
    WriteProcessMemory(process, item.pszText, text, sizeof text, nullptr);
    SendMessageW(tab, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process, item.pszText, text, sizeof text - sizeof(wchar_t), nullptr);
    captions.emplace_back(text);
  }
  if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return captions;
}

Screenshot SaveBuildScreenshot(HWND window, const std::wstring& name,
                               const std::function<bool(const Screenshot&)>& shows) {
  SetForegroundWindow(window);
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  Screenshot shot = Capture(window);
  for (const DWORD start = GetTickCount(); !shows(shot) && GetTickCount() - start < 5000;) {
    Sleep(20);
    shot = Capture(window);
  }
  return SaveToBuild(shot, name) ? shot : Screenshot{};
}

bool TextDrawn(HWND window, HWND control, const std::wstring& name, int minimum) {
  const auto drawn = [&](const Screenshot& shot) {
    return DarkPixelsOf(shot, window, control) > minimum;
  };
  return drawn(SaveBuildScreenshot(window, name, drawn));
}

}  // namespace lectavo::wine
