#include "setup/file_move.h"

#include "setup/device_paths.h"

namespace lectavo {

bool MoveFileReplacing(Files& files, WStringView from, WStringView to) {
  // A file moved onto itself would be deleted after copying over itself.
  if (SameDevicePath(from, to)) return false;
  if (!files.Copy(from, to, false)) return false;
  return files.Delete(from);
}

}  // namespace lectavo
