// The messaging library's objects behind the messaging role: each wraps one object of the
// library and releases it once.
#pragma once

#include <windows.h>

#include <mapix.h>

#include <vector>

#include "platform/messaging.h"

namespace lectavo {

// A row set as the role hands it out, with the library's own row set that it was read from:
// that one goes back to the library when the copy is freed.
struct LibraryRowSet final : RowSet {
  LPSRowSet read = nullptr;
};

// The values as the library takes them; they point into values, which must outlive them.
std::vector<SPropValue> ApiValues(const std::vector<PropValue>& values);

// MAPIFreeBuffer of the library, for what its calls allocate.
using FreeBufferCall = ULONG(WINAPI*)(LPVOID);

MessagingTable* WrapTable(IMAPITable* table);
PropertyStream* WrapStream(IStream* stream);
MessagingAttachment* WrapAttachment(IAttach* attachment);
MessagingStore* WrapStore(IMsgStore* store, FreeBufferCall freeBuffer);

}  // namespace lectavo
