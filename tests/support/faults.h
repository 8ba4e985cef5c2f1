// Failure injection shared by the fakes: any operation can be made to fail at its nth call,
// at every call, or whenever its argument matches.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "platform/types.h"

namespace lectavo::fake {

class Faults {
 public:
  // The nth call of the operation, counted from the first call ever (1-based), fails.
  void FailCall(std::string_view operation, int nth) { failAt_[std::string(operation)].insert(nth); }
  void FailAlways(std::string_view operation) { always_.insert(std::string(operation)); }
  void FailWhen(std::string_view operation, std::function<bool(WStringView)> matches) {
    when_[std::string(operation)] = std::move(matches);
  }
  void Clear() {
    failAt_.clear();
    always_.clear();
    when_.clear();
  }

  // Counts the call; true when it is to fail.
  bool Fails(std::string_view operation, WStringView argument = {}) {
    const std::string op(operation);
    const int call = ++calls_[op];
    if (always_.count(op) != 0) return true;
    if (auto at = failAt_.find(op); at != failAt_.end() && at->second.count(call) != 0) return true;
    auto when = when_.find(op);
    return when != when_.end() && when->second(argument);
  }

  int Calls(std::string_view operation) const {
    auto found = calls_.find(std::string(operation));
    return found == calls_.end() ? 0 : found->second;
  }

 private:
  std::map<std::string, int> calls_;
  std::map<std::string, std::set<int>> failAt_;
  std::set<std::string> always_;
  std::map<std::string, std::function<bool(WStringView)>> when_;
};

}  // namespace lectavo::fake
