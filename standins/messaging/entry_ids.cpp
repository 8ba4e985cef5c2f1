#include "standins/messaging/entry_ids.h"

#include <cstring>

#include "standins/messaging/message_stores.h"

namespace lectavo {

std::vector<BYTE> MakeEntryId(ULONG store, const std::wstring& name) {
  std::vector<BYTE> id(sizeof store + name.size() * sizeof(wchar_t));
  std::memcpy(id.data(), &store, sizeof store);
  std::memcpy(id.data() + sizeof store, name.data(), name.size() * sizeof(wchar_t));
  return id;
}

bool EntryName(ULONG store, ULONG size, const BYTE* id, std::wstring* name) {
  if (id == nullptr || size < sizeof store || (size - sizeof store) % sizeof(wchar_t) != 0) {
    return false;
  }
  ULONG number = 0;
  std::memcpy(&number, id, sizeof number);
  name->resize((size - sizeof store) / sizeof(wchar_t));
  std::memcpy(name->data(), id + sizeof store, name->size() * sizeof(wchar_t));
  return number == store;
}

bool MessageFileOf(const std::wstring& name, const std::wstring& folder, std::wstring* file) {
  const std::wstring prefix = folder + L"\\";
  const std::wstring ending = kMessageFileEnding;
  if (name.compare(0, prefix.size(), prefix) != 0) return false;
  *file = name.substr(prefix.size());
  return file->size() > ending.size() &&
         file->find_first_of(L"\\/:*?\"<>|") == std::wstring::npos &&
         file->find(L'\0') == std::wstring::npos && file->front() != L'.' &&
         file->compare(file->size() - ending.size(), ending.size(), ending) == 0;
}

}  // namespace lectavo
