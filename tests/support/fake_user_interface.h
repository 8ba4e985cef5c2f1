// Records message boxes and broadcasts; a message box answers with the button a test chose.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/user_interface.h"
#include "tests/support/faults.h"

namespace lectavo::fake {

class FakeUserInterface final : public UserInterface {
 public:
  struct Box {
    Handle owner;
    WString text;
    WString caption;
    std::uint32_t style;
  };
  struct Broadcast {
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
  };

  // Operations: ShowMessageBox (argument: the text; a failing box returns 0), Broadcast.
  Faults faults;
  std::vector<Box> boxes;
  std::vector<Broadcast> broadcasts;
  int answer = kIdOk;
  // Runs while a box is open, as the user would act meanwhile.
  std::function<void(const Box&)> whileOpen;

  int ShowMessageBox(Handle owner, WStringView text, WStringView caption,
                 std::uint32_t style) override {
    if (faults.Fails("ShowMessageBox", text)) return 0;
    boxes.push_back({owner, WString(text), WString(caption), style});
    if (whileOpen) whileOpen(boxes.back());
    return answer;
  }

  void SendToAllTopLevelWindows(std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) override {
    if (faults.Fails("Broadcast")) return;
    broadcasts.push_back({message, wParam, lParam});
  }
};

}  // namespace lectavo::fake
