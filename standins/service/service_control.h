// How the stand-in reading service is told to end. Both are named manual-reset events that
// the running copy owns; whoever wants it to end opens one with OpenEvent and sets it.
#pragma once

// The service ends; the heartbeat simply stops, so the launcher will start it again.
inline constexpr wchar_t kServiceQuitEvent[] = L"Lectavo_Service.Quit";
// The service stores 0x7FFFFFFF in ValAlive, so that the launcher stops watching for good,
// and ends.
inline constexpr wchar_t kServiceQuitForGoodEvent[] = L"Lectavo_Service.QuitForGood";
