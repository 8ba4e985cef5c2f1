// Lectavo_Config's application object: load the record, show the main dialog, store the
// record when the user confirms with OK, end.
#pragma once

#include "framework/application.h"
#include "framework/window_system.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/files.h"
#include "platform/messaging.h"
#include "platform/registry.h"
#include "platform/single_instance.h"
#include "platform/user_interface.h"

namespace lectavo {

inline constexpr int kSmallIconResource = 129;

class ConfigApp final : public Application {
 public:
  ConfigApp(Registry& registry, Files& files, CodePage& codePage, UserInterface& userInterface,
            WindowSystem& windows, Messaging& messaging, SingleInstance& instance, Clock& clock)
      : registry_(registry),
        files_(files),
        codePage_(codePage),
        userInterface_(userInterface),
        windows_(windows),
        messaging_(messaging),
        instance_(instance),
        clock_(clock) {}

  // Always false: the program ends without a message loop of its own.
  bool InitInstance() override;

 private:
  Registry& registry_;
  Files& files_;
  CodePage& codePage_;
  UserInterface& userInterface_;
  WindowSystem& windows_;
  Messaging& messaging_;
  SingleInstance& instance_;
  Clock& clock_;
};

}  // namespace lectavo
