// The device's fixed program folder, from which the programs start one another, and the files
// in it that a program names. The folder is a literal, so that every path built on it is one
// too, as the Win32 tools and tests need it (L"" LECTAVO_PROGRAM_FOLDER).
#pragma once

#include "platform/types.h"

#define LECTAVO_PROGRAM_FOLDER_PARENT "\\ORBA-GMBH"
#define LECTAVO_PROGRAM_FOLDER LECTAVO_PROGRAM_FOLDER_PARENT "\\Lectavo"

namespace lectavo {

inline constexpr WStringView kProgramFolderParent = u"" LECTAVO_PROGRAM_FOLDER_PARENT;
inline constexpr WStringView kProgramFolder = u"" LECTAVO_PROGRAM_FOLDER;

inline constexpr WChar kServicePath[] = u"" LECTAVO_PROGRAM_FOLDER "\\Lectavo_Service.exe";
inline constexpr WChar kMonitorPath[] = u"" LECTAVO_PROGRAM_FOLDER "\\Lectavo_Monitor.exe";
inline constexpr WChar kConfigPath[] = u"" LECTAVO_PROGRAM_FOLDER "\\Lectavo_Config.exe";
// The note sent with a spoken answer, which the Answer text page edits.
inline constexpr WChar kAnswerTextPath[] = u"" LECTAVO_PROGRAM_FOLDER "\\LectavoAnswer.TXT";

}  // namespace lectavo
