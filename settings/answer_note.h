// The answer note: the text that accompanies a spoken answer, kept in a file of its own that
// the Answer text page edits and the reading service encloses. Both take it from here.
#pragma once

#include <string>

#include "platform/files.h"
#include "platform/types.h"
#include "settings/program_paths.h"

namespace lectavo {

// What is read of the file and what the page's field holds.
inline constexpr int kAnswerTextLength = 2047;
// The note when its file cannot be read.
inline constexpr char kDefaultAnswerNote[] =
    "----\r\n"
    "Email-Antwort wurde mit Lectavo im WAV-Format erstellt.\r\n"
    "Datei ist im Anhang. Bitte WAV-Datei anh\xF6ren.\r\n"
    "----\r\n"
    "Email contents was provided with Lectavo in WAV-Format.\r\n"
    "File is in the appendix. Please, listen to the wave-file.\r\n"
    "----\r\n";
static_assert(sizeof kDefaultAnswerNote - 1 == 238);

// The note as 8-bit text in the device's ANSI code page: the file's first kAnswerTextLength
// bytes up to a zero byte among them, or the default note when the file cannot be opened or
// read.
std::string ReadAnswerNote(Files& files);

}  // namespace lectavo
