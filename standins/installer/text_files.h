// Small UTF-8 text files: the package description and the installation record.
#pragma once

#include <string>
#include <vector>

namespace installer {

// The lines of a UTF-8 file (a leading byte-order mark and line ends removed); on failure
// error says why.
bool ReadTextLines(const std::wstring& path, std::vector<std::wstring>& lines, std::wstring& error);

// Replaces the file with the lines, each ended by CR LF.
bool WriteTextLines(const std::wstring& path, const std::vector<std::wstring>& lines);

// UTF-8 for the console.
std::string Utf8(const std::wstring& text);

}  // namespace installer
