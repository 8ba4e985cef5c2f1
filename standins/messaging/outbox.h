// A store's outbox: messages made there are kept as message files when they are saved (see
// message_file.h), each attachment a file beside its message, and marked sent when submitted.
#pragma once

#include <windows.h>

#include <mapix.h>

#include "standins/messaging/message_stores.h"

namespace lectavo {

IMAPIFolder* NewOutbox(const StoreRecord& store);

}  // namespace lectavo
