// The first program on a device made from nothing: it must meet the device as every later
// program does. Windows on the device's own desktop with title bars, crashes that end, sound
// that reaches the sound server, the fonts of the caption buttons, and the device's message
// stores for the Accounts page.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <mmsystem.h>

#include <cwchar>
#include <optional>
#include <string>
#include <vector>

namespace lectavo {
namespace {

struct Setting {
  HKEY root;
  const wchar_t* key;
  const wchar_t* name;
  DWORD type;
  std::wstring text;  // REG_SZ
  DWORD number;       // REG_DWORD
};

std::optional<DWORD> Dword(HKEY root, const wchar_t* key, const wchar_t* name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueW(root, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

std::optional<std::wstring> Text(HKEY root, const wchar_t* key, const wchar_t* name) {
  wchar_t text[256];
  DWORD size = sizeof text;
  if (RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(text);
}

TEST(FirstRunWineTest, EverySettingAndTheDeviceContentAreThere) {
  const wchar_t kStores[] = L"SOFTWARE\\MessagingStandin\\MessageStores";
  const Setting kSettings[] = {
      {HKEY_CURRENT_USER, L"Software\\Wine\\WineDbg", L"ShowCrashDialog", REG_DWORD, L"", 0},
      {HKEY_CURRENT_USER, L"Software\\Wine\\Explorer", L"Desktop", REG_SZ, L"Default", 0},
      {HKEY_CURRENT_USER, L"Software\\Wine\\Explorer\\Desktops", L"Default", REG_SZ, L"1024x768",
       0},
      {HKEY_CURRENT_USER, L"Software\\Wine\\Drivers", L"Audio", REG_SZ, L"pulse", 0},
      {HKEY_LOCAL_MACHINE, kStores, L"1", REG_SZ, L"B\u00FCro", 0},
      {HKEY_LOCAL_MACHINE, kStores, L"2", REG_SZ, L"Privat", 0},
      {HKEY_LOCAL_MACHINE, kStores, L"3", REG_SZ, L"ActiveSync", 0},
  };
  for (const Setting& s : kSettings) {
    SCOPED_TRACE(std::wstring(s.key) + L"\\" + s.name);
    if (s.type == REG_DWORD) {
      EXPECT_EQ(Dword(s.root, s.key, s.name), s.number);
    } else {
      EXPECT_EQ(Text(s.root, s.key, s.name), s.text);
    }
  }
  EXPECT_FALSE(Text(HKEY_LOCAL_MACHINE, kStores, L"4")) << "three stores, no more";
}

// Without the device's own desktop a window would sit on the bare display: no title bar to
// move it by, no close button, and keys that the first press does not reach.
TEST(FirstRunWineTest, WindowsOpenOnTheDevicesOwnDesktop) {
  RECT desktop{};
  GetWindowRect(GetDesktopWindow(), &desktop);
  EXPECT_EQ(desktop.right - desktop.left, 1024);
  EXPECT_EQ(desktop.bottom - desktop.top, 768);
}

TEST(FirstRunWineTest, SoundReachesTheSoundServer) {
  EXPECT_GT(waveOutGetNumDevs(), 0u);
  WAVEFORMATEX format{WAVE_FORMAT_PCM, 1, 22050, 44100, 2, 16, 0};
  HWAVEOUT out = nullptr;
  ASSERT_EQ(waveOutOpen(&out, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL),
            static_cast<MMRESULT>(MMSYSERR_NOERROR));
  waveOutClose(out);
}

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

// Marlett draws the caption buttons' glyphs; without it they show as letters.
TEST(FirstRunWineTest, TheCaptionAndDialogFontsAreInstalled) {
  HDC screen = GetDC(nullptr);
  for (const wchar_t* face : {L"Marlett", L"Tahoma"}) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcscpy_s(wanted.lfFaceName, face);
    bool found = false;
    EnumFontFamiliesExW(screen, &wanted, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    EXPECT_TRUE(found) << std::string(face, face + wcslen(face));
  }
  ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace lectavo
