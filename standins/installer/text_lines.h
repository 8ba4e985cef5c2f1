// A text file's content cut into lines; plain C++, so that it can be exercised off the device.
#pragma once

#include <string>
#include <vector>

namespace installer {

// The lines of text, each without its LF or CR LF; a last line without one counts too.
std::vector<std::wstring> TextLines(const std::wstring& text);

}  // namespace installer
