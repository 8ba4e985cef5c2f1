// lectavo-device listen: what the device says, as it comes.
#pragma once

#include <string>

int ListenToDevice(const std::wstring& recording, const std::wstring& log);
