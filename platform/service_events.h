// Service events role: named manual-reset events that this process creates and others set
// (CreateEvent, WaitForSingleObject without waiting, ResetEvent).
#pragma once

#include "platform/types.h"

namespace lectavo {

class ServiceEvents {
 public:
  virtual ~ServiceEvents() = default;

  // Creates (or opens) the event; kNoHandle on failure.
  virtual Handle Create(WStringView name) = 0;
  virtual bool IsSet(Handle event) = 0;
  virtual void Reset(Handle event) = 0;
};

}  // namespace lectavo
