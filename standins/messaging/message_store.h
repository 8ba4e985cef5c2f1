// A message store of the device: its inbox, the inbox's contents table and its messages, read
// from the store's folder of message files.
#pragma once

#include <windows.h>

#include <mapix.h>

#include "standins/messaging/message_stores.h"

namespace lectavo {

IMsgStore* NewMessageStore(const StoreRecord& store);

}  // namespace lectavo
