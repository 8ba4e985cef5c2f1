// The Accounts page over fuzzed message stores (any count, any length, TABs, control
// characters and empty names) and a fuzzed StrAccounts, clicked at fuzzed lines: StrAccounts
// stays terminated within 255 characters, stays as loaded until the first click, and after a
// click is exactly the marked lines' names in table order with one TAB after each; the page
// opened again marks the same accounts; every row set is freed and every object released.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "config/accounts_page.h"
#include "config/config_dialog.h"
#include "framework/headless/headless_window_system.h"
#include "tests/support/fake_messaging.h"

namespace lectavo {
namespace {

// Any state of up to 24 lines is two clicks a line away; more clicks only repeat states and
// make an input cost more than it explores.
constexpr int kMaxStores = 24;
constexpr int kMaxClicks = 2 * kMaxStores;

// Names the check that failed, so that a crash file tells which rule broke.
void Check(bool condition, int line = __builtin_LINE()) {
  if (condition) return;
  std::fprintf(stderr, "accounts_fuzz.cpp:%d: check failed\n", line);
  std::abort();
}

// Characters a store's name may hold that a list line or a TAB-separated value may trip on.
constexpr WChar kControls[] = {0x01, u'\r', u'\n', 0x08, 0x1B, 0x1F, 0x7F, 0x85, 0xA0, 0xAD,
                               0x2028, 0xFEFF, 0xD800, 0xDC00, 0xFFFF, u' '};

// Mostly a few letters and TABs, so that names repeat and match.
WString ConsumeText(FuzzedDataProvider& input, std::size_t maxLength) {
  const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(0, maxLength);
  WString text;
  for (std::size_t i = 0; i < length && input.remaining_bytes() > 0; ++i) {
    const auto c = input.ConsumeIntegral<std::uint8_t>();
    if (c < 0xA0) {
      text += static_cast<WChar>(u"AB\tC"[c % 4]);
    } else if (c < 0xC0) {
      text += kControls[c % std::size(kControls)];
    } else {
      text += static_cast<WChar>(c);
    }
  }
  return text;
}

WStringView Accounts(const SettingsRecord& record) {
  const WChar* end = std::find(record.StrAccounts, std::end(record.StrAccounts), u'\0');
  Check(end != std::end(record.StrAccounts) && end - record.StrAccounts <= kMaxTextLength);
  return {record.StrAccounts, static_cast<std::size_t>(end - record.StrAccounts)};
}

// The names of the marked lines. A name with a TAB could never be read back, so no such line
// is ever marked: neither by loading nor by a click.
std::vector<WString> MarkedNames(const std::vector<WString>& lines, const std::vector<int>& marked) {
  std::vector<WString> names;
  for (int line : marked) {
    const WString& name = lines[static_cast<std::size_t>(line)];
    Check(name.find(u'\t') == WString::npos);
    names.push_back(name);
  }
  return names;
}

}  // namespace
}  // namespace lectavo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lectavo;
  FuzzedDataProvider input(data, size);
  fake::FakeMessaging messaging;
  const int storeCount = input.ConsumeIntegralInRange(0, kMaxStores);
  const std::size_t longest = input.ConsumeBool() ? 300 : 8;
  for (int i = 0; i < storeCount; ++i)
    messaging.stores.push_back({ConsumeText(input, longest), {}});
  const bool queryFails = input.ConsumeBool();
  if (queryFails) messaging.faults.FailCall("QueryRows", input.ConsumeIntegral<std::uint8_t>());

  SettingsRecord record;
  const WString loaded = ConsumeText(input, kMaxTextLength);
  std::copy(loaded.begin(), loaded.end(), record.StrAccounts);
  record.ValSpeak = input.ConsumeBool() ? kDefaultSpeak : 0;

  HeadlessWindowSystem windows;
  Dialog host(kConfigDialogTemplate);
  windows.whileModal = [&](HeadlessWindowSystem& user) {
    std::vector<WString> lines;
    std::optional<std::vector<WString>> chosen;  // once clicked
    {
      AccountsPage page(&record, nullptr, &messaging);
      Check(page.Create(host));
      Check(Accounts(record) == loaded);
      lines = user.Items(kAccountListId);
      Check(lines.size() <= messaging.stores.size());
      for (std::size_t line = 0; line < lines.size(); ++line) {
        Check(lines[line] == messaging.stores[line].displayName);
      }
      Check(user.Enabled(kAccountListId) == !lines.empty());
      // One byte a click, even with a single line, so that the clicks end with the input.
      for (int click = 0; click < kMaxClicks && !lines.empty() && input.remaining_bytes() > 0;
           ++click) {
        user.ClickLine(kAccountListId,
                       static_cast<int>(input.ConsumeIntegral<std::uint8_t>() % lines.size()));
        WString expected;
        for (int line : user.SelectedLines(kAccountListId)) {
          expected += lines[static_cast<std::size_t>(line)] + u'\t';
        }
        Check(Accounts(record) == expected);
        chosen = MarkedNames(lines, user.SelectedLines(kAccountListId));
      }
    }
    if (!chosen || queryFails) return;
    // Opened again on the same stores, the page marks every line that carries a chosen name.
    AccountsPage again(&record, nullptr, &messaging);
    Check(again.Create(host));
    std::vector<int> expected;
    for (std::size_t line = 0; line < lines.size(); ++line) {
      if (std::count(chosen->begin(), chosen->end(), lines[line]) != 0) {
        expected.push_back(static_cast<int>(line));
      }
    }
    Check(user.SelectedLines(kAccountListId) == expected);
  };
  host.DoModal(windows);
  Check(messaging.LiveObjects() == 0 && messaging.UnfreedRowSets() == 0);
  return 0;
}
