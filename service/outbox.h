// Where a spoken answer goes: a new message in the outbox of the store the read message came
// from, made and submitted through the device's messaging API.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/messaging.h"
#include "platform/types.h"

namespace lectavo {

struct OutgoingAnswer {
  WString toName;     // the sender of the message read
  WString toAddress;
  WString cc;         // as the user typed it; empty: no Cc
  WString subject;
  WString body;
  std::vector<std::uint8_t> wav;  // the recording, a whole WAV file
};

enum class Sending {
  kSent,        // in the outbox and submitted
  kKeptUnsent,  // in the outbox whole, but submitting failed: marked as not sent
  kNotMade,     // nothing is in the outbox
};

class Outbox {
 public:
  virtual ~Outbox() = default;

  virtual Sending Send(const EntryId& store, const OutgoingAnswer& answer) = 0;
};

}  // namespace lectavo
