// Entry ids of a store's objects: a folder's is the store's number (4 bytes) and the folder's
// name in UTF-16; a message's is the store's number and "<folder>\<file name>". So an id names
// one object of one store, and a name that could leave the store's folder is never opened.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace lectavo {

std::vector<BYTE> MakeEntryId(ULONG store, const std::wstring& name);
// The name an entry id of this store holds; false when it is not one of the store's.
bool EntryName(ULONG store, ULONG size, const BYTE* id, std::wstring* name);
// The message file a name of this folder ("<folder>\<file name>") holds; false when it holds
// none: a message file's name is plain, one of the folder's and never a way out of it.
bool MessageFileOf(const std::wstring& name, const std::wstring& folder, std::wstring* file);

}  // namespace lectavo
