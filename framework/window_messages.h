// Window messages, notification codes and styles the framework and its programs use, with
// their Win32 numbers; both backends understand them.
#pragma once

#include <cstdint>

namespace lectavo {

// Messages.
inline constexpr std::uint32_t kWmSetText = 0x000C;
inline constexpr std::uint32_t kWmGetText = 0x000D;
inline constexpr std::uint32_t kWmGetTextLength = 0x000E;
inline constexpr std::uint32_t kWmSetIcon = 0x0080;
inline constexpr std::uintptr_t kIconSmall = 0;  // ICON_SMALL
inline constexpr std::uint32_t kEmLimitText = 0x00C5;
inline constexpr std::uint32_t kBmGetCheck = 0x00F0;
inline constexpr std::uint32_t kBmSetCheck = 0x00F1;
inline constexpr std::uint32_t kCbAddString = 0x0143;
inline constexpr std::uint32_t kCbGetCount = 0x0146;
inline constexpr std::uint32_t kCbGetCurSel = 0x0147;
inline constexpr std::uint32_t kCbResetContent = 0x014B;
inline constexpr std::uint32_t kCbSetCurSel = 0x014E;
inline constexpr std::uint32_t kLbAddString = 0x0180;
inline constexpr std::uint32_t kLbResetContent = 0x0184;
inline constexpr std::uint32_t kLbSetSel = 0x0185;
inline constexpr std::uint32_t kLbGetSel = 0x0187;
inline constexpr std::uint32_t kLbGetText = 0x0189;
inline constexpr std::uint32_t kLbGetTextLen = 0x018A;
inline constexpr std::uint32_t kLbGetCount = 0x018B;
inline constexpr std::uint32_t kLbGetTopIndex = 0x018E;
inline constexpr std::uint32_t kLbSetTopIndex = 0x0197;
inline constexpr std::uint32_t kLbSetCaretIndex = 0x019E;
inline constexpr std::uint32_t kLbGetCaretIndex = 0x019F;
inline constexpr std::uint32_t kLbSetHorizontalExtent = 0x0194;
inline constexpr std::uint32_t kTcmGetItemCount = 0x1304;
inline constexpr std::uint32_t kTcmGetCurSel = 0x130B;
inline constexpr std::uint32_t kTcmSetCurSel = 0x130C;
inline constexpr std::uint32_t kTcmSetItem = 0x133D;  // TCM_SETITEMW
inline constexpr std::uint32_t kTcmAdjustRect = 0x1328;
inline constexpr std::uint32_t kTcmInsertItem = 0x133E;  // TCM_INSERTITEMW
inline constexpr std::intptr_t kCbErr = -1;              // CB_ERR, LB_ERR

// Notifications.
inline constexpr std::uint32_t kBnClicked = 0;
inline constexpr std::uint32_t kEnChange = 0x0300;
inline constexpr std::uint32_t kCbnSelChange = 1;
inline constexpr std::uint32_t kLbnSelChange = 1;
inline constexpr std::uint32_t kTcnSelChange = static_cast<std::uint32_t>(-551);

// Window and dialog styles.
inline constexpr std::uint32_t kWsPopup = 0x80000000;
inline constexpr std::uint32_t kWsChild = 0x40000000;
inline constexpr std::uint32_t kWsVisible = 0x10000000;
inline constexpr std::uint32_t kWsCaption = 0x00C00000;
inline constexpr std::uint32_t kWsBorder = 0x00800000;
inline constexpr std::uint32_t kWsVScroll = 0x00200000;
inline constexpr std::uint32_t kWsHScroll = 0x00100000;
inline constexpr std::uint32_t kWsSysMenu = 0x00080000;
inline constexpr std::uint32_t kWsTabStop = 0x00010000;
inline constexpr std::uint32_t kDsSetFont = 0x40;
inline constexpr std::uint32_t kDsModalFrame = 0x80;
inline constexpr std::uint32_t kWsExAppWindow = 0x00040000;
inline constexpr std::uint32_t kWsExCaptionOkButton = 0x80000000;  // WS_EX_CAPTIONOKBTN (CE)

// Control styles.
inline constexpr std::uint32_t kBsPushButton = 0x0;
inline constexpr std::uint32_t kBsDefPushButton = 0x1;
inline constexpr std::uint32_t kBsAutoCheckBox = 0x3;
inline constexpr std::uint32_t kBsGroupBox = 0x7;
inline constexpr std::uint32_t kBsTypeMask = 0xF;
inline constexpr std::uint32_t kEsRight = 0x2;
inline constexpr std::uint32_t kEsMultiline = 0x4;
inline constexpr std::uint32_t kEsAutoVScroll = 0x40;
inline constexpr std::uint32_t kEsAutoHScroll = 0x80;
inline constexpr std::uint32_t kEsWantReturn = 0x1000;
inline constexpr std::uint32_t kEsNumber = 0x2000;
inline constexpr std::uint32_t kSsLeft = 0x0;
inline constexpr std::uint32_t kSsCenter = 0x1;
inline constexpr std::uint32_t kCbsDropDown = 0x2;
inline constexpr std::uint32_t kCbsDropDownList = 0x3;
inline constexpr std::uint32_t kLbsNotify = 0x1;
inline constexpr std::uint32_t kLbsMultipleSel = 0x8;
inline constexpr std::uint32_t kTcsFixedWidth = 0x400;

// Virtual keys.
inline constexpr int kVkTab = 0x09;
inline constexpr int kVkPageUp = 0x21;    // VK_PRIOR
inline constexpr int kVkPageDown = 0x22;  // VK_NEXT

// SetWindowPos and ShowWindow.
inline constexpr std::uint32_t kSwpNoZOrder = 0x4;
inline constexpr std::uint32_t kSwpShowWindow = 0x40;
inline constexpr int kSwShow = 5;

// Button identifiers.
inline constexpr int kIdOkButton = 1;
inline constexpr int kIdCancelButton = 2;
inline constexpr int kNoControlId = -1;  // IDC_STATIC

}  // namespace lectavo
