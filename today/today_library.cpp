// Lectavo_Today.dll: the Today screen loads it, calls its export 240 and talks to the item
// window. Everything the item decides is in TodayItem; here are the window and the icons.
#include <windows.h>

#include <string>

#include "platform/win32/wide.h"
#include "platform/win32/win32_roles.h"
#include "today/item_accessible.h"
#include "today/today_item.h"
#include "today/today_records.h"

namespace lectavo {
namespace {

constexpr UINT kClassNameString = 1;
constexpr int kItemWidth = 240;

// The Today screen asks every two seconds and the event lives as long as the screen, whose
// process this is: once found, the event stays open, which spares two of a query's calls.
class KeptOpenNamedEvents final : public NamedEvents {
 public:
  ~KeptOpenNamedEvents() override {
    if (event_ != nullptr) CloseHandle(event_);
  }

  std::uint32_t Wait(WStringView name, std::uint32_t timeoutMilliseconds) override {
    if (event_ == nullptr || name_ != name) {
      if (event_ != nullptr) CloseHandle(event_);
      name_ = WString(name);
      event_ = OpenEventW(SYNCHRONIZE, FALSE, ToApi(name).c_str());
      if (event_ == nullptr) return kWaitFailed;
    }
    return WaitForSingleObject(event_, timeoutMilliseconds);
  }

 private:
  WString name_;
  HANDLE event_ = nullptr;
};

Registry& registry = SystemRegistry();
Processes& processes = SystemProcesses();
KeptOpenNamedEvents events;
Win32UserInterface userInterface;
TodayItem item{registry, processes, events, userInterface};

HINSTANCE module = nullptr;
std::wstring className;
HICON productIcon = nullptr;
HICON readingOnIcon = nullptr;
HICON readingOffIcon = nullptr;

std::wstring LoadClassName() {
  // The resource string is not terminated: take it by its length.
  const wchar_t* text = nullptr;
  const int length = LoadStringW(module, kClassNameString, reinterpret_cast<LPWSTR>(&text), 0);
  return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

HICON LoadSmallIcon(int id) {
  return static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, 0));
}

HICON IconFor(int id) {
  switch (id) {
    case kIconProduct:
      return productIcon;
    case kIconReadingOn:
      return readingOnIcon;
    default:
      return readingOffIcon;
  }
}

void Paint(HWND window) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window, &paint);
  for (const IconPlacement& placed : item.Paint()) {
    // Width and height 0 draw the icon in its own size, as the device's DrawIcon does.
    DrawIconEx(dc, placed.x, placed.y, IconFor(placed.icon), 0, 0, 0, nullptr, DI_NORMAL);
  }
  EndPaint(window, &paint);
}

void AskForBackground(HWND window, HDC dc) {
  TODAYDRAWWATERMARKINFO watermark{dc, {}, window};
  GetClientRect(window, &watermark.rc);
  SendMessageW(GetParent(window), TODAYM_DRAWWATERMARK, 0, reinterpret_cast<LPARAM>(&watermark));
}

WStringView ItemName() { return item.Name(); }

// The item does no default processing: whatever it does not handle answers 1. Its title is
// the exception, kept and told by the system, so that a screen reader can read it.
LRESULT CALLBACK ItemWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_GETOBJECT:
      // The system answers for every part of the window but the item's own.
      return static_cast<LONG>(lParam) == OBJID_CLIENT
                 ? AnswerAccessibleObject(window, wParam, ItemName)
                 : 0;
    case WM_PAINT:
      Paint(window);
      return 1;
    case WM_ERASEBKGND:
      AskForBackground(window, reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_DESTROY:
      ReleaseAccessibleObject(window);
      return 0;
    case WM_LBUTTONUP:
      item.Tap();
      return 1;
    case WM_TODAYCUSTOM_QUERYREFRESHCACHE: {
      auto* record = reinterpret_cast<TODAYLISTITEM*>(wParam);
      if (record == nullptr) return FALSE;
      std::uint32_t height = record->cyp;
      const WStringView named = item.Name();
      const bool refresh = item.QueryRefresh(height);
      record->cyp = height;
      // A screen reader hears reading switched on or off.
      if (item.Name() != named) {
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
      }
      return refresh ? TRUE : FALSE;
    }
    default:
      return 1;
  }
}

void Attach(HINSTANCE instance) {
  module = instance;
  className = LoadClassName();
  UnregisterClassW(className.c_str(), module);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ItemWindowProcedure;
  windowClass.hInstance = module;
  // Never painted: the item's background comes from the Today screen.
  windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  windowClass.lpszClassName = className.c_str();
  RegisterClassW(&windowClass);
  productIcon = LoadSmallIcon(kIconProduct);
  readingOnIcon = LoadSmallIcon(kIconReadingOn);
  readingOffIcon = LoadSmallIcon(kIconReadingOff);
  item.Attach();
}

void Detach() {
  item.Detach();
  DestroyIcon(productIcon);
  DestroyIcon(readingOnIcon);
  DestroyIcon(readingOffIcon);
  productIcon = readingOnIcon = readingOffIcon = nullptr;
  UnregisterClassW(className.c_str(), module);
  module = nullptr;
}

}  // namespace
}  // namespace lectavo

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) lectavo::Attach(instance);
  if (reason == DLL_PROCESS_DETACH) lectavo::Detach();
  return TRUE;
}

// Export 240: the Today screen makes the item. The host's record is not examined.
extern "C" HWND InitializeCustomItem(TODAYLISTITEM*, HWND parent) {
  using namespace lectavo;
  const HWND window =
      CreateWindowExW(0, className.c_str(), className.c_str(), WS_CHILD | WS_VISIBLE, CW_USEDEFAULT,
                      CW_USEDEFAULT, kItemWidth, 0, parent, nullptr, module, nullptr);
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ItemWindowProcedure));
  item.Initialise(reinterpret_cast<Handle>(window));
  return window;
}
