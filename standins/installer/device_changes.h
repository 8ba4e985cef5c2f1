// The installer's changes to the device, each recorded as it is made, and their undoing.
#pragma once

#include <windows.h>

#include <string>

#include "standins/installer/install_record.h"
#include "standins/installer/package_description.h"

namespace installer {

// What could not be made, as the installer reports it to the setup library.
struct Failures {
  WORD folders = 0;
  WORD files = 0;
  WORD keys = 0;
  WORD values = 0;
  int Total() const { return folders + files + keys + values; }
};

class DeviceChanges {
 public:
  DeviceChanges(InstallRecord& made, Failures& failed) : made_(made), failed_(failed) {}

  // The folder and every missing folder above it.
  void MakeFolderPath(const std::wstring& folder);
  void MakeFolder(const std::wstring& folder);
  // Replaces a file of the same name.
  void CopyPackageFile(const std::wstring& from, const std::wstring& to);
  // Makes the key, and the keys above it, when missing.
  void SetValue(const RegistryEntry& entry);

 private:
  InstallRecord& made_;
  Failures& failed_;
};

// Undoes a record, newest item first: deletes the files and values, and the folders and keys
// that are empty by then. Returns how many files and values are left behind.
int Undo(const InstallRecord& record);

}  // namespace installer
