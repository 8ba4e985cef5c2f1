#include "setup/program_folder.h"

#include "setup/device_paths.h"
#include "setup/file_move.h"

namespace lectavo {

bool IsProgramFolder(WStringView installationFolder) {
  return EqualIgnoringCase(installationFolder.substr(0, kProgramFolderParent.size()),
                           kProgramFolderParent);
}

void MoveToProgramFolder(Files& files, WStringView installationFolder) {
  files.CreateFolder(kProgramFolderParent);
  files.CreateFolder(kProgramFolder);
  const auto pattern = JoinPath({installationFolder, u"*.*"});
  if (!pattern) return;
  FindData found;
  const Handle search = files.FindFirst(*pattern, &found);
  if (search == kInvalidHandle) return;
  do {
    if ((found.attributes & kAttributeDirectory) != 0) continue;
    const WStringView name = FieldText(found.fileName);
    const auto source = JoinPath({installationFolder, name});
    const auto target = JoinPath({kProgramFolder, name});
    if (source && target) MoveFileReplacing(files, *source, *target);
  } while (files.FindNext(search, &found));
  files.FindClose(search);
}

}  // namespace lectavo
