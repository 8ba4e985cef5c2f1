#include "standins/installer/package_installer.h"

#include <windows.h>

#include <vector>

#include "standins/installer/console.h"
#include "standins/installer/device_changes.h"
#include "standins/installer/install_record.h"
#include "standins/installer/package_description.h"
#include "standins/installer/registry_text.h"
#include "standins/installer/setup_library.h"
#include "standins/installer/start_up.h"
#include "standins/installer/text_files.h"
#include "standins/installer/today_items.h"

namespace installer {
namespace {

static_assert(kRegSz == REG_SZ && kRegBinary == REG_BINARY && kRegDword == REG_DWORD);

// A file or folder of the package, relative to the package folder.
struct PackageEntry {
  std::wstring path;
  bool folder;
};

constexpr wchar_t kNothing[] = L" (close its messages and try again); nothing has been changed";

Outcome Fail(const std::wstring& reason) {
  Complain(reason);
  return kNothingDone;
}

std::wstring AppManagerFile(const std::wstring& name, const wchar_t* extension) {
  return std::wstring(kAppManagerFolder) + L"\\" + name + extension;
}

std::wstring AppKey(const std::wstring& name) { return std::wstring(kAppsKey) + L"\\" + name; }

bool SameName(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// Every file and folder below the package folder, folders before their content; the
// description and the setup library are the installer's, not the package's files.
bool ListPackage(const std::wstring& packageFolder, const std::wstring& relative,
                 const PackageDescription& description, std::vector<PackageEntry>& entries) {
  const std::wstring folder = relative.empty() ? packageFolder : packageFolder + L"\\" + relative;
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (relative.empty() &&
        (SameName(name, kDescriptionFile) || SameName(name, description.setupLibrary))) {
      continue;
    }
    const std::wstring path = relative.empty() ? name : relative + L"\\" + name;
    const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entries.push_back({path, isFolder});
    if (isFolder) ListPackage(packageFolder, path, description, entries);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return true;
}

std::vector<std::wstring> PackageFiles(const std::vector<PackageEntry>& entries) {
  std::vector<std::wstring> files;
  for (const PackageEntry& entry : entries) {
    if (!entry.folder) files.push_back(entry.path);
  }
  return files;
}

bool ReadInstallFolder(const std::wstring& name, std::wstring& folder) {
  const auto read = ReadRegistryText(AppKey(name), L"InstallDir");
  if (read) folder = *read;
  return read.has_value();
}

// The setup library and the record for a later uninstall, and the package's entry among the
// installed applications.
bool Register(const std::wstring& name, const std::wstring& folder,
              const std::wstring& setupLibrary, const InstallRecord& record) {
  CreateDirectoryW(kAppManagerFolder, nullptr);
  HKEY key = nullptr;
  if (!CopyFileW(setupLibrary.c_str(), AppManagerFile(name, L".dll").c_str(), FALSE) ||
      !record.Save(AppManagerFile(name, L".dat")) ||
      RegCreateKeyExW(HKEY_LOCAL_MACHINE, AppKey(name).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const DWORD installed = 1;
  const bool set =
      RegSetValueExW(key, L"InstallDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                     static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS &&
      RegSetValueExW(key, L"Instl", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&installed),
                     sizeof installed) == ERROR_SUCCESS;
  RegCloseKey(key);
  return set;
}

// The Today items the package registers, and those among them whose "Enabled" it sets.
std::vector<std::wstring> TodayItemKeys(const PackageDescription& description) {
  std::vector<std::wstring> keys;
  for (const RegistryEntry& entry : description.registry) {
    if (IsTodayItemKey(entry.key)) keys.push_back(entry.key);
  }
  return keys;
}

std::vector<std::wstring> TodayItemsEnabledBy(const PackageDescription& description) {
  std::vector<std::wstring> keys;
  for (const RegistryEntry& entry : description.registry) {
    if (IsTodayItemKey(entry.key) && SameName(entry.name, L"Enabled")) keys.push_back(entry.key);
  }
  return keys;
}

// The Today items an installation made, from its record.
std::vector<std::wstring> TodayItemKeys(const InstallRecord& record) {
  std::vector<std::wstring> keys;
  for (const MadeItem& item : record.Items()) {
    if (item.kind == MadeItem::Kind::Value && IsTodayItemKey(item.path)) keys.push_back(item.path);
  }
  return keys;
}

void Unregister(const std::wstring& name) {
  DeleteFileW(AppManagerFile(name, L".dll").c_str());
  DeleteFileW(AppManagerFile(name, L".dat").c_str());
  RegDeleteKeyW(HKEY_LOCAL_MACHINE, AppKey(name).c_str());
}

}  // namespace

Outcome InstallPackage(const std::wstring& packageFolder, std::wstring installationFolder) {
  PackageDescription description;
  std::wstring error;
  const std::wstring descriptionPath = packageFolder + L"\\" + kDescriptionFile;
  std::vector<std::wstring> lines;
  if (!ReadTextLines(descriptionPath, lines, error) ||
      !ParsePackageDescription(descriptionPath, lines, description, error)) {
    return Fail(error);
  }
  if (installationFolder.empty()) installationFolder = description.defaultFolder;
  while (installationFolder.size() > 1 && installationFolder.back() == L'\\') {
    installationFolder.pop_back();
  }
  std::vector<PackageEntry> entries;
  if (!ListPackage(packageFolder, L"", description, entries)) {
    return Fail(L"package folder " + packageFolder + L" cannot be read");
  }
  // A package that lacks a file of its description is damaged, as a broken download is.
  const std::vector<std::wstring> missing = MissingFiles(description, PackageFiles(entries));
  if (!missing.empty()) {
    std::wstring names;
    for (const std::wstring& file : missing) names += (names.empty() ? L"" : L", ") + file;
    return Fail(L"the package lacks " + names + L", which its description lists; it is damaged " +
                L"and nothing has been changed");
  }
  const std::wstring setupLibraryPath = packageFolder + L"\\" + description.setupLibrary;
  SetupLibrary setup;
  if (!setup.Load(setupLibraryPath, error)) return Fail(error);

  // A Today item that stays loaded holds its library and starts the programs again.
  TodayItems today(TodayItemKeys(description));
  if (!today.Release()) return Fail(L"the Today screen keeps " + today.Held() + L" loaded" + kNothing);
  std::wstring previousFolder;
  const bool previouslyInstalled = ReadInstallFolder(description.name, previousFolder);
  if (setup.InstallInit(nullptr, TRUE, previouslyInstalled, installationFolder.c_str()) !=
      codeINSTALL_INIT_CONTINUE) {
    today.Restore();
    return Fail(L"the setup library cancelled the installation");
  }

  InstallRecord made;
  Failures failed;
  DeviceChanges changes(made, failed, AppManagerFile(description.name, L".old"));
  changes.MakeFolderPath(installationFolder);
  for (const PackageEntry& entry : entries) {
    const std::wstring target = installationFolder + L"\\" + entry.path;
    if (entry.folder) {
      changes.MakeFolder(target);
    } else {
      changes.CopyPackageFile(packageFolder + L"\\" + entry.path, target);
    }
  }
  for (const RegistryEntry& entry : description.registry) changes.SetValue(entry);

  if (setup.InstallExit(nullptr, installationFolder.c_str(), failed.folders, failed.files,
                        failed.keys, failed.values, 0) != codeINSTALL_EXIT_DONE) {
    // The device goes on as it was: the earlier version, its Today item and its start-up.
    const int left = changes.RollBack();
    today.Restore();
    RunStartUpEntries(description.registry);
    return Fail(L"the setup library asked to undo the installation; it has been undone" +
                (left == 0 ? std::wstring(L", everything is as before")
                           : L", but " + std::to_wstring(left) + L" changes are left"));
  }
  changes.DropKept();
  setup.Unload();
  today.Restore(TodayItemsEnabledBy(description));

  InstallRecord record;
  if (previouslyInstalled && !record.Load(AppManagerFile(description.name, L".dat"), error)) {
    Complain(error + L"; only this installation will be removed at uninstall");
  }
  record.Append(made);
  if (!Register(description.name, installationFolder, setupLibraryPath, record)) {
    Complain(L"the installation of " + description.name + L" cannot be recorded for uninstall");
    return kDoneWithFailures;
  }
  Say(L"Installed " + description.name + L" into " + installationFolder + L": " +
      std::to_wstring(made.Count(MadeItem::Kind::File)) + L" files, " +
      std::to_wstring(made.Count(MadeItem::Kind::Value)) + L" registry values.");
  const int notStarted = RunStartUpEntries(description.registry);
  if (failed.Total() == 0 && notStarted == 0) return kDone;
  if (failed.Total() != 0) {
    Complain(std::to_wstring(failed.Total()) + L" parts of the package could not be installed");
  }
  return kDoneWithFailures;
}

Outcome UninstallPackage(const std::wstring& name) {
  std::wstring folder;
  if (!ReadInstallFolder(name, folder)) return Fail(name + L" is not installed");
  InstallRecord record;
  std::wstring error;
  if (!record.Load(AppManagerFile(name, L".dat"), error)) return Fail(error);
  SetupLibrary setup;
  if (!setup.Load(AppManagerFile(name, L".dll"), error)) return Fail(error);
  TodayItems today(TodayItemKeys(record));
  if (!today.Release()) return Fail(L"the Today screen keeps " + today.Held() + L" loaded" + kNothing);
  if (setup.UninstallInit(nullptr, folder.c_str()) != codeUNINSTALL_INIT_CONTINUE) {
    today.Restore();
    return Fail(L"the setup library cancelled the removal");
  }
  const int left = Undo(record);
  setup.UninstallExit(nullptr);
  setup.Unload();
  if (left == 0) {
    Unregister(name);
    Say(L"Removed " + name + L" from " + folder + L".");
    return kDone;
  }
  // Still registered, so that the removal can be run again once nothing holds the files.
  Complain(std::to_wstring(left) + L" files or values could not be removed; " + name +
           L" stays installed, uninstall it again");
  return kDoneWithFailures;
}

}  // namespace installer
