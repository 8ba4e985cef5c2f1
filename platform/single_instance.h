// Single-instance role: a named mutex held for the life of the process (CreateMutex and
// ERROR_ALREADY_EXISTS), and the dialog of the copy that holds it (FindWindow,
// SetForegroundWindow).
#pragma once

#include "platform/types.h"

namespace lectavo {

class SingleInstance {
 public:
  virtual ~SingleInstance() = default;

  // Claims the name until this process ends; false only when another process holds it.
  virtual bool Claim(WStringView name) = 0;
  // Brings the top-level dialog with this caption to the front; false when there is none.
  virtual bool Raise(WStringView caption) = 0;
};

}  // namespace lectavo
