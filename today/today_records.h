// The records and messages the Today screen and its items exchange, in the Pocket PC
// layouts.
#pragma once

#include <windows.h>

enum TODAYLISTITEMTYPE {
  tlitOwnerInfo = 0,
  tlitAppointments,
  tlitMail,
  tlitTasks,
  tlitCustom,
  tlitNil
};

struct TODAYLISTITEM {
  WCHAR szName[32];
  TODAYLISTITEMTYPE tlit;
  DWORD dwOrder;
  DWORD cyp;  // the item's height in pixels
  BOOL fEnabled;
  BOOL fOptions;
  DWORD grflags;
  WCHAR szDLLPath[MAX_PATH];
  HINSTANCE hinstDLL;
  HWND hwndCustom;
  BOOL fSizeOnDraw;
  BYTE* prgbCachedData;
  DWORD cbCachedData;
};

struct TODAYDRAWWATERMARKINFO {
  HDC hdc;
  RECT rc;
  HWND hwnd;
};

// Screen to item: lay out and redraw the item when the answer is TRUE; wParam is the
// item's TODAYLISTITEM.
inline constexpr UINT WM_TODAYCUSTOM_QUERYREFRESHCACHE = WM_USER + 243;
// Item to screen: paint the background behind the item; lParam is a TODAYDRAWWATERMARKINFO.
inline constexpr UINT TODAYM_DRAWWATERMARK = WM_USER + 101;

// A custom item's library exports its initialisation by this number only.
inline constexpr WORD kInitializeCustomItemOrdinal = 240;
using InitializeCustomItemFunction = HWND (*)(TODAYLISTITEM* item, HWND parent);
