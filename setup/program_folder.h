// The fixed program folder from which the programs start one another, and the move of the
// installed program files into it.
#pragma once

#include "platform/files.h"
#include "settings/program_paths.h"

namespace lectavo {

// True when the installation folder begins with the program folder's parent (letter case
// ignored): the files already lie in the program folder.
bool IsProgramFolder(WStringView installationFolder);

// Appended to a program file's name, as often as needed for a name no file bears, while the
// copy it replaces is kept.
inline constexpr WStringView kKeptSuffix = u".old";

// Makes the program folder and moves every file at the top level of the installation folder
// into it, replacing older copies; subfolders and their content stay, and so do the voice
// files, which belong to the voice folders. All or nothing: when a folder cannot be searched
// or a file cannot be placed, the program folder gets back what it held, the new files stay in
// the installation folder, problem says which folder or file is in the way, and the result is
// false.
bool MoveToProgramFolder(Files& files, WStringView installationFolder, WString& problem);

}  // namespace lectavo
