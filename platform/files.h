// Files role: CreateDirectory, FindFirstFile / FindNextFile (names compare without letter
// case), CopyFile, DeleteFile, a replacing move, and reading and writing whole files through
// handles.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace lectavo {

inline constexpr std::uint32_t kAttributeDirectory = 0x10;  // FILE_ATTRIBUTE_DIRECTORY

// The part of WIN32_FIND_DATA the product reads.
struct FindData {
  std::uint32_t attributes = 0;
  WChar fileName[260] = {};
};

class Files {
 public:
  virtual ~Files() = default;

  virtual bool CreateFolder(WStringView path) = 0;
  // kInvalidHandle when nothing matches.
  virtual Handle FindFirst(WStringView pattern, FindData* data) = 0;
  virtual bool FindNext(Handle search, FindData* data) = 0;
  virtual bool FindClose(Handle search) = 0;
  virtual bool Copy(WStringView from, WStringView to, bool failIfExists) = 0;
  virtual bool Delete(WStringView path) = 0;
  // Puts the file from in the place of to in one step, replacing a file there: a reader of to
  // finds the old file or the new one, never a part. On failure both stay as they were.
  virtual bool Replace(WStringView from, WStringView to) = 0;

  // An existing file for reading; kInvalidHandle on failure.
  virtual Handle OpenForReading(WStringView path) = 0;
  // A new, empty file for writing, replacing any file of that name; kInvalidHandle on failure.
  virtual Handle CreateForWriting(WStringView path) = 0;
  virtual bool Read(Handle file, void* buffer, std::uint32_t count, std::uint32_t* read) = 0;
  virtual bool Write(Handle file, const void* data, std::uint32_t count,
                     std::uint32_t* written) = 0;
  virtual bool CloseFile(Handle file) = 0;
};

}  // namespace lectavo
