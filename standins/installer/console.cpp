#include "standins/installer/console.h"

#include <cstdio>

#include "standins/installer/text_files.h"

namespace installer {

void Say(const std::wstring& text) {
  std::fputs((Utf8(text) + "\n").c_str(), stdout);
  std::fflush(stdout);
}

void Complain(const std::wstring& text) {
  std::fputs(("Installer: " + Utf8(text) + "\n").c_str(), stderr);
  std::fflush(stderr);
}

}  // namespace installer
