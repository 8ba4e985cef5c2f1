#include "setup/program_folder.h"

#include <algorithm>
#include <vector>

#include "setup/device_paths.h"
#include "setup/voice_layout.h"

namespace lectavo {
namespace {

// A program file placed in the program folder, and where the copy it replaced is kept until
// every file has its place.
struct Placed {
  WString source;
  WString target;
  std::optional<WString> kept;
};

// Nothing when the folder cannot be searched: a folder that exists always holds "." and "..".
std::optional<std::vector<WString>> TopLevelFiles(Files& files, WStringView folder,
                                                  WString& problem) {
  std::vector<WString> names;
  const auto pattern = JoinPath({folder, u"*.*"});
  FindData found;
  const Handle search = pattern ? files.FindFirst(*pattern, &found) : kInvalidHandle;
  if (search == kInvalidHandle) {
    problem = WString(folder) + u" cannot be searched";
    return std::nullopt;
  }
  do {
    const WStringView name = FieldText(found.fileName);
    if ((found.attributes & kAttributeDirectory) == 0 && !IsVoiceFile(name)) names.emplace_back(name);
  } while (files.FindNext(search, &found));
  files.FindClose(search);
  return names;
}

bool Contains(const std::vector<WString>& names, WStringView name) {
  return std::any_of(names.begin(), names.end(),
                     [&](const WString& present) { return EqualIgnoringCase(present, name); });
}

// Copies the file into the program folder, keeping the copy it replaces beside it; present
// names the program folder's files and grows by the kept copy. On failure problem names the
// path that is too long or the file in the way.
std::optional<Placed> Place(Files& files, WStringView installationFolder, WStringView name,
                            std::vector<WString>& present, WString& problem) {
  const auto source = JoinPath({installationFolder, name});
  const auto target = JoinPath({kProgramFolder, name});
  if (!source || !target) {
    problem = WString(source ? kProgramFolder : installationFolder) + u"\\" + WString(name) +
              u" is a path too long for the device";
    return std::nullopt;
  }
  Placed placed{*source, *target, std::nullopt};
  if (Contains(present, name)) {
    // Under a name no file of the program folder bears.
    WString keptName = WString(name) + WString(kKeptSuffix);
    while (Contains(present, keptName)) keptName += kKeptSuffix;
    const auto kept = JoinPath({kProgramFolder, keptName});
    if (!kept || !files.Copy(*target, *kept, false)) {
      problem = *target + u" cannot be kept for an undo";
      return std::nullopt;
    }
    present.push_back(keptName);
    placed.kept = *kept;
  }
  if (files.Copy(*source, *target, false)) return placed;
  if (placed.kept) files.Delete(*placed.kept);
  problem = *target + u" cannot be replaced: it is in use or cannot be written";
  return std::nullopt;
}

// Puts back what the program folder held; the new files stay in the installation folder.
void TakeBack(Files& files, const std::vector<Placed>& placed) {
  for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
    if (!it->kept) {
      files.Delete(it->target);
    } else if (files.Copy(*it->kept, it->target, false)) {
      files.Delete(*it->kept);
    }
  }
}

}  // namespace

bool IsProgramFolder(WStringView installationFolder) {
  return EqualIgnoringCase(installationFolder.substr(0, kProgramFolderParent.size()),
                           kProgramFolderParent);
}

bool MoveToProgramFolder(Files& files, WStringView installationFolder, WString& problem) {
  files.CreateFolder(kProgramFolderParent);
  files.CreateFolder(kProgramFolder);
  // Moving files onto themselves would delete them after copying each over itself.
  if (SameDevicePath(installationFolder, kProgramFolder)) return true;
  auto present = TopLevelFiles(files, kProgramFolder, problem);
  const auto names = present ? TopLevelFiles(files, installationFolder, problem) : std::nullopt;
  if (!names) return false;
  std::vector<Placed> placed;
  for (const WString& name : *names) {
    std::optional<Placed> one = Place(files, installationFolder, name, *present, problem);
    if (!one) {
      TakeBack(files, placed);
      return false;
    }
    placed.push_back(std::move(*one));
  }
  // Every file has its place: the sources and the kept copies go. A source that cannot be
  // deleted stays behind as a second copy.
  for (const Placed& one : placed) {
    files.Delete(one.source);
    if (one.kept) files.Delete(*one.kept);
  }
  return true;
}

}  // namespace lectavo
