// The Accounts page over fuzzed message stores (any count, any length, TABs and empty names)
// and a fuzzed StrAccounts, clicked at fuzzed lines: StrAccounts stays terminated within 255
// characters, stays as loaded until the first click, and after a click is exactly the marked
// lines' names in table order with one TAB after each; every row set is freed and every
// object released.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "config/accounts_page.h"
#include "config/config_dialog.h"
#include "framework/headless/headless_window_system.h"
#include "tests/support/fake_messaging.h"

namespace lectavo {
namespace {

// Names the check that failed, so that a crash file tells which rule broke.
void Check(bool condition, int line = __builtin_LINE()) {
  if (condition) return;
  std::fprintf(stderr, "accounts_fuzz.cpp:%d: check failed\n", line);
  std::abort();
}

// Mostly a few letters and TABs, so that names repeat and match.
WString ConsumeText(FuzzedDataProvider& input, std::size_t maxLength) {
  const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(0, maxLength);
  WString text;
  for (std::size_t i = 0; i < length && input.remaining_bytes() > 0; ++i) {
    const auto c = input.ConsumeIntegral<std::uint8_t>();
    text += c < 0xC0 ? static_cast<WChar>(u"AB\tC"[c % 4]) : static_cast<WChar>(c);
  }
  return text;
}

WStringView Accounts(const SettingsRecord& record) {
  const WChar* end = std::find(record.StrAccounts, std::end(record.StrAccounts), u'\0');
  Check(end != std::end(record.StrAccounts) && end - record.StrAccounts <= kMaxTextLength);
  return {record.StrAccounts, static_cast<std::size_t>(end - record.StrAccounts)};
}

}  // namespace
}  // namespace lectavo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lectavo;
  FuzzedDataProvider input(data, size);
  fake::FakeMessaging messaging;
  const int storeCount = input.ConsumeIntegralInRange(0, 24);
  const std::size_t longest = input.ConsumeBool() ? 300 : 8;
  for (int i = 0; i < storeCount; ++i)
    messaging.stores.push_back({ConsumeText(input, longest), {}});
  if (input.ConsumeBool())
    messaging.faults.FailCall("QueryRows", input.ConsumeIntegral<std::uint8_t>());

  SettingsRecord record;
  const WString loaded = ConsumeText(input, kMaxTextLength);
  std::copy(loaded.begin(), loaded.end(), record.StrAccounts);
  record.ValSpeak = input.ConsumeBool() ? kDefaultSpeak : 0;

  HeadlessWindowSystem windows;
  Dialog host(kConfigDialogTemplate);
  windows.whileModal = [&](HeadlessWindowSystem& user) {
    AccountsPage page(&record, nullptr, &messaging);
    Check(page.Create(host));
    Check(Accounts(record) == loaded);
    const std::vector<WString> lines = user.Items(kAccountListId);
    Check(lines.size() <= messaging.stores.size());
    for (std::size_t line = 0; line < lines.size(); ++line) {
      Check(lines[line] == messaging.stores[line].displayName);
    }
    Check(user.Enabled(kAccountListId) == !lines.empty());
    while (!lines.empty() && input.remaining_bytes() > 0) {
      // One byte a click, even with a single line, so that the clicks end with the input.
      user.ClickLine(kAccountListId,
                     static_cast<int>(input.ConsumeIntegral<std::uint8_t>() % lines.size()));
      WString expected;
      for (int line : user.SelectedLines(kAccountListId)) {
        expected += lines[static_cast<std::size_t>(line)] + u'\t';
      }
      Check(Accounts(record) == expected);
    }
  };
  host.DoModal(windows);
  Check(messaging.LiveObjects() == 0 && messaging.UnfreedRowSets() == 0);
  return 0;
}
