// The outbox of the device's messaging library, through the calls a CEMAPI client makes to
// send: log on, open the store by its entry id, open its outbox, make a message there, give it
// subject, body, recipients and the recording as an attachment, save it and submit it.
#pragma once

#include "platform/messaging.h"
#include "service/outbox.h"

namespace lectavo {

// The attachment's names, long and 8.3.
inline constexpr char16_t kAnswerFileName[] = u"Antwort.wav";
inline constexpr char16_t kAnswerShortFileName[] = u"ANTWORT.WAV";

class StoreOutbox final : public Outbox {
 public:
  explicit StoreOutbox(Messaging& messaging) : messaging_(messaging) {}

  Sending Send(const EntryId& store, const OutgoingAnswer& answer) override;

 private:
  Messaging& messaging_;
};

}  // namespace lectavo
