// The platform roles that pages reach beyond the record: the answer note's file and its
// conversion, the message box that reports a note that could not be saved, and the device's
// message stores for the Accounts page.
#pragma once

#include "platform/code_page.h"
#include "platform/files.h"
#include "platform/messaging.h"
#include "platform/user_interface.h"

namespace lectavo {

struct PagePlatform {
  Files& files;
  CodePage& codePage;
  UserInterface& userInterface;
  Messaging& messaging;
};

}  // namespace lectavo
