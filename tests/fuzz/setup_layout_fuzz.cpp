// The install's voice layout and relocation over an installation folder and file names of the
// fuzzer's choosing, with copies, deletes and folder creation failing where the fuzzer says:
// every file that existed before still exists somewhere with its content, unless a newer
// delivery replaced it at its own path, and nothing outside the installation folder, the
// program folder and its parent changes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <map>
#include <set>

#include "settings/settings_store.h"
#include "setup/program_folder.h"
#include "setup/setup_hooks.h"
#include "setup/voice_layout.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_registry.h"
#include "tests/support/fake_user_interface.h"
#include "tests/support/text.h"

namespace lectavo {
namespace {

using fake::FakeFiles;
using fake::Folded;

void Check(bool condition) {
  if (!condition) std::abort();
}

constexpr WStringView kFolders[] = {u"\\Storage Card\\Lectavo",   u"\\ORBA-GMBH\\Lectavo",
                                    u"\\orba-gmbh\\LECTAVO\\Sub", u"\\ORBA-GMBH",
                                    u"\\ORBA-GMBH2\\Lectavo",     u"\\Storage Card",
                                    u"ORBA-GMBH\\Lectavo",        u"\\Storage Card\\Lectavo\\"};
// Places outside the installation that must stay as they are.
constexpr WStringView kElsewhere[] = {u"\\Windows", u"\\Storage Card", u"\\ORBA-GMBH\\Other",
                                      u"\\ORBA-GMBH"};
constexpr WStringView kExtensions[] = {u".pil", u".PIL", u".Pil", u"", u".pil.bak", u".exe"};
constexpr WChar kAlphabet[] = {u'a', u'B', u'.', u'_', u' ', u'\\', u'*', u'?', 0x00E4, u'~'};

WString RandomText(FuzzedDataProvider& input, std::size_t length) {
  WString text;
  while (text.size() < length) {
    const auto pick = input.remaining_bytes() == 0
                          ? std::size(kAlphabet)
                          : input.ConsumeIntegralInRange<std::size_t>(0, std::size(kAlphabet));
    text += pick < std::size(kAlphabet) ? kAlphabet[pick] : u'x';
  }
  return text;
}

WString FileName(FuzzedDataProvider& input) {
  switch (input.ConsumeIntegralInRange(0, 7)) {
    case 0:
      return WString(kVoiceNames[input.ConsumeIntegralInRange<std::size_t>(0, 9)]) +
             WString(kExtensions[input.ConsumeIntegralInRange<std::size_t>(0, 5)]);
    case 1:
      return input.ConsumeBool() ? u"svox.pil" : u"VoiceCommand";
    case 2:  // voice names around the 31 characters that fit
      return WString(input.ConsumeIntegralInRange<std::size_t>(29, 34), u'v') +
             WString(kExtensions[input.ConsumeIntegralInRange<std::size_t>(0, 2)]);
    case 3: {
      constexpr WStringView kDots[] = {u".", u"..", u".pil", u"..pil", u"...", u"pil"};
      return WString(kDots[input.ConsumeIntegralInRange<std::size_t>(0, 5)]);
    }
    case 4:
      return input.ConsumeBool() ? u"Lectavo_Config.exe" : u"LectavoAnswer.TXT";
    case 5:  // names that do or do not fit a 260-character path
      return WString(input.ConsumeIntegralInRange<std::size_t>(200, 262), u'n') + u".pil";
    default:
      return RandomText(input, input.ConsumeIntegralInRange<std::size_t>(1, 24));
  }
}

// As the file system keys a path: rooted, letter case folded, no trailing backslash.
WString Key(WStringView path) {
  WString key = Folded(path);
  if (!key.empty() && key[0] != u'\\' &&
      key.substr(0, key.find(u'\\')).find(u':') == WString::npos) {
    key.insert(key.begin(), u'\\');
  }
  while (key.size() > 1 && key.back() == u'\\') key.pop_back();
  return key;
}

bool Within(const WString& key, const WString& folder) {
  return key == folder ||
         (key.size() > folder.size() && key.starts_with(folder) && key[folder.size()] == u'\\');
}

struct Item {
  bool folder;
  std::string content;
};

// The fake lists in key order, so each item goes in at the end without a search.
std::map<WString, Item> Snapshot(const FakeFiles& files) {
  std::map<WString, Item> items;
  files.ForEachEntry([&](WStringView path, const std::string* bytes) {
    items.emplace_hint(items.end(), Key(path), Item{bytes == nullptr, bytes ? *bytes : ""});
  });
  return items;
}

// A fault from the fuzzer: none, the nth call, or every call whose argument hashes to the
// fuzzer's choice.
void ArmFault(FakeFiles& files, const char* operation, FuzzedDataProvider& input) {
  switch (input.ConsumeIntegralInRange(0, 3)) {
    case 1:
      files.faults.FailCall(operation, input.ConsumeIntegralInRange(1, 12));
      break;
    case 2: {
      const auto seed = input.ConsumeIntegral<std::uint8_t>();
      files.faults.FailWhen(operation, [seed](WStringView argument) {
        unsigned hash = seed;
        for (WChar c : Folded(argument)) hash = hash * 31 + c;
        return hash % 3 == 0;
      });
      break;
    }
    case 3:
      files.faults.FailAlways(operation);
      break;
    default:
      break;
  }
}

}  // namespace
}  // namespace lectavo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lectavo;
  FuzzedDataProvider input(data, size);

  // The installation folder: a known case, or the fuzzer's own of any length.
  WString folder;
  const auto pick = input.ConsumeIntegralInRange<std::size_t>(0, std::size(kFolders) + 1);
  if (pick < std::size(kFolders)) {
    folder = kFolders[pick];
  } else if (pick == std::size(kFolders)) {
    folder = u"\\" + RandomText(input, input.ConsumeIntegralInRange<std::size_t>(0, 40));
  } else {
    folder =
        u"\\Storage Card\\" + WString(input.ConsumeIntegralInRange<std::size_t>(220, 260), u'f');
  }

  FakeFiles files;
  if (input.ConsumeIntegralInRange(0, 7) != 0 && !folder.empty()) files.PutFolder(folder);
  int serial = 0;
  const auto entries = input.ConsumeIntegralInRange(0, 14);
  for (int i = 0; i < entries; ++i) {
    WString at = folder;
    switch (input.ConsumeIntegralInRange(0, 7)) {
      case 5:
        at = kProgramFolder;
        break;
      case 6:
        at = kElsewhere[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kElsewhere) - 1)];
        break;
      case 7:
        at = folder + u"\\" + WString(kVoiceNames[input.ConsumeIntegralInRange<std::size_t>(0, 9)]);
        break;
      default:
        break;  // the top of the installation folder
    }
    const WString path = at + u"\\" + FileName(input);
    // Nothing is made over an existing entry or under a file.
    bool blocked = files.IsFile(path) || files.IsFolder(path);
    for (auto slash = path.find(u'\\', 1); slash != WString::npos && !blocked;
         slash = path.find(u'\\', slash + 1)) {
      blocked = files.IsFile(path.substr(0, slash));
    }
    if (blocked) continue;
    if (input.ConsumeIntegralInRange(0, 4) == 0) {
      files.PutFolder(path);
    } else {
      files.PutFile(path, "content " + std::to_string(++serial));
    }
  }
  ArmFault(files, "Copy", input);
  ArmFault(files, "Delete", input);
  ArmFault(files, "CreateFolder", input);

  const auto before = Snapshot(files);
  fake::FakeRegistry registry;
  fake::FakeUserInterface userInterface;
  const auto run = input.ConsumeIntegralInRange(0, 2);
  if (run == 0) {
    WString problem;
    const bool done = InstallExit(registry, files, userInterface, folder, 0, problem);
    // An undone installation has touched no setting and says why; a done one has its
    // StrLangPath naming the installation folder.
    Check(done == problem.empty());
    if (!done) Check(registry.log.empty());
    const auto langPath = registry.Text(kSettingsKey, kStrLangPath);
    if (!done || folder.empty()) {
      Check(!langPath);
    } else {
      Check(langPath == folder + u"\\");
    }
  } else if (run == 1 && !folder.empty()) {
    WString problem;
    if (IsProgramFolder(folder) || MoveToProgramFolder(files, folder, problem)) {
      CreateVoiceFolders(files, folder);
      PlaceVoiceFiles(files, folder);
    }
  } else if (!folder.empty()) {
    // The move on its own, whatever folder it is given, loses nothing either.
    WString problem;
    MoveToProgramFolder(files, folder, problem);
  }
  Check(files.OpenHandles() == 0);
  const auto after = Snapshot(files);

  // No file lost: its content lies somewhere, or a newer file took its place.
  std::set<std::string> contents;
  for (const auto& [key, item] : after) {
    if (!item.folder) contents.insert(item.content);
  }
  for (const auto& [key, item] : before) {
    if (item.folder) {
      Check(after.count(key) != 0 && after.at(key).folder);  // no folder removed
      continue;
    }
    if (contents.count(item.content) != 0) continue;
    const auto now = after.find(key);
    Check(now != after.end() && !now->second.folder && now->second.content != item.content);
  }

  // Nothing changes outside the installation folder and the program folder.
  const WString installation = Key(folder);
  const WString programFolder = Key(kProgramFolder);
  const WString parent = Key(kProgramFolderParent);
  const auto inside = [&](const WString& key) {
    return (!installation.empty() && Within(key, installation)) || Within(key, programFolder) ||
           key == parent;
  };
  for (const auto& [key, was] : before) {
    if (inside(key)) continue;
    const auto is = after.find(key);
    Check(is != after.end() && was.folder == is->second.folder &&
          was.content == is->second.content);
  }
  for (const auto& [key, is] : after) Check(inside(key) || before.count(key) != 0);
  return 0;
}
