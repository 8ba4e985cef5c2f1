// Moving one file by copy and delete, so that a failure never loses it.
#pragma once

#include "platform/files.h"

namespace lectavo {

// Copies the file over any file of the target's name, then deletes the source. The source
// is deleted only after a successful copy; when the copy or the delete fails, or source and
// target are the same file, it stays where it was. True when the file has moved.
bool MoveFileReplacing(Files& files, WStringView from, WStringView to);

}  // namespace lectavo
