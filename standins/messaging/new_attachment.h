// An attachment of a message being made: its name and data, which it hands to its message
// when it is saved.
#pragma once

#include <windows.h>

#include <mapix.h>

#include <map>
#include <memory>
#include <string>

namespace lectavo {

struct AttachmentFile {
  std::wstring name;  // the long file name, else the 8.3 one
  std::string data;
};
// A message's saved attachments by their numbers.
using SavedAttachments = std::map<ULONG, AttachmentFile>;

IAttach* NewAttachment(std::shared_ptr<SavedAttachments> saved, ULONG number);

}  // namespace lectavo
