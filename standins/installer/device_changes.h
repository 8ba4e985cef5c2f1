// The installer's changes to the device, each recorded as it is made, and their undoing. What
// an installation replaces is kept until it is known to be complete, so that undoing it puts
// the earlier version back whole.
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
  // Copies of replaced files are kept in keptFolder.
  DeviceChanges(InstallRecord& made, Failures& failed, std::wstring keptFolder)
      : made_(made), failed_(failed), keptFolder_(std::move(keptFolder)) {}

  // The folder and every missing folder above it.
  void MakeFolderPath(const std::wstring& folder);
  void MakeFolder(const std::wstring& folder);
  // Replaces a file of the same name, keeping a copy of it; a file whose copy cannot be kept
  // is not replaced.
  void CopyPackageFile(const std::wstring& from, const std::wstring& to);
  // Makes the key, and the keys above it, when missing; keeps the value it replaces.
  void SetValue(const RegistryEntry& entry);

  // Undoes this installation, newest change first: puts back what it replaced and removes
  // what it made. Returns how many files and values could not be put back or removed.
  int RollBack();
  // The installation is complete: the kept copies go.
  void DropKept();

 private:
  struct KeptFile {
    std::wstring path;
    std::wstring copy;
  };
  struct KeptValue {
    std::wstring key;
    std::wstring name;
    DWORD type;
    std::vector<BYTE> data;
  };

  InstallRecord& made_;
  Failures& failed_;
  std::wstring keptFolder_;
  std::vector<KeptFile> keptFiles_;
  std::vector<KeptValue> keptValues_;
};

// Undoes a record, newest item first: deletes the files and values, and the folders and keys
// that are empty by then. Returns how many files and values are left behind.
int Undo(const InstallRecord& record);

}  // namespace installer
