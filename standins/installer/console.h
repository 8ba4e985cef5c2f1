// What the installer tells the person who runs it.
#pragma once

#include <string>

namespace installer {

// A line on standard output.
void Say(const std::wstring& text);
// A line on standard error, prefixed "Installer: ".
void Complain(const std::wstring& text);

}  // namespace installer
