// Where the Wine tests find things: host paths as Wine reaches them, the build's package
// folder and its other outputs, and the device's program folder.
#pragma once

#include <string>

#include "platform/win32/wide.h"
#include "settings/program_paths.h"

namespace lectavo::wine {

// A path of the host as Wine reaches it through drive Z:, with backslashes.
std::wstring HostPath(const std::string& unixPath);
// The build's package folder, and a file in it, on the build's own drive B: (short however
// deep the build lies).
std::wstring PackageFolder();
std::wstring PackagePath(const std::wstring& file);
// A path below the build folder.
std::wstring BuildPath(const std::wstring& relative);

// The device's program folder, as the device names it (on the current drive: the prefix's C:),
// and a file in it.
inline const std::wstring kProgramFolder = ToApi(lectavo::kProgramFolder);
inline std::wstring ProgramFile(const std::wstring& name) { return kProgramFolder + L"\\" + name; }
// Makes the program folder, with its parent, where the device has none yet.
void MakeProgramFolder();
// Removes the program folder's parent once it is empty.
void RemoveProgramFolderParent();

}  // namespace lectavo::wine
