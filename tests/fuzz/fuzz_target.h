// What every fuzz target shares: the check that names the rule an input broke, and
// libFuzzer's entry, which hands each input to the target's FuzzOne. Include it in the one
// source of a target.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

// Names the check that failed, so that a crash file tells which rule broke.
inline void Check(bool condition, const char* file = __builtin_FILE(),
                  int line = __builtin_LINE()) {
  if (condition) return;
  std::fprintf(stderr, "%s:%d: check failed\n", file, line);
  std::abort();
}

}  // namespace fuzz

// One input, run against the target's rules; breaks off through fuzz::Check.
void FuzzOne(FuzzedDataProvider& input);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  FuzzOne(input);
  return 0;
}
