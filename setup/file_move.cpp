#include "setup/file_move.h"

namespace lectavo {

bool MoveFileReplacing(Files& files, WStringView from, WStringView to) {
  if (!files.Copy(from, to, false)) return false;
  return files.Delete(from);
}

}  // namespace lectavo
