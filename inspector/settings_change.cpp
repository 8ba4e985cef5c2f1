#include "inspector/settings_change.h"

#include <algorithm>
#include <optional>
#include <string>

#include "inspector/record_fields.h"

namespace lectavo {
namespace {

std::optional<std::uint32_t> ParseNumber(WStringView text) {
  unsigned base = 10;
  if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (WChar c : text) {
    unsigned digit = 0;
    if (c >= u'0' && c <= u'9') {
      digit = c - u'0';
    } else if (base == 16 && c >= u'a' && c <= u'f') {
      digit = c - u'a' + 10;
    } else if (base == 16 && c >= u'A' && c <= u'F') {
      digit = c - u'A' + 10;
    } else {
      return std::nullopt;
    }
    if (digit >= base) return std::nullopt;
    value = value * base + digit;
    if (value > 0xFFFFFFFFu) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

template <int N>
bool CopyText(WStringView text, WChar (&field)[N]) {
  if (text.size() > static_cast<std::size_t>(kMaxTextLength)) return false;
  std::fill(std::begin(field), std::end(field), u'\0');
  std::copy(text.begin(), text.end(), field);
  return true;
}

ChangeOutcome Failed(WString message) { return {false, std::move(message)}; }

WString Number(std::uint32_t value) {
  const std::string digits = std::to_string(value);
  return WString(digits.begin(), digits.end());
}

class Change {
 public:
  Change(SettingsStore& store, WStringView name, const std::vector<WString>& values, bool raw)
      : store_(store), name_(name), values_(values), raw_(raw) {}

  ChangeOutcome Run() {
    if (name_ == kStrLangPath) return SaveAlone(&Change::SetLangPath, &SettingsStore::SaveLangPath);
    if (name_ == kValAlive) return SaveAlone(&Change::SetAlive, &SettingsStore::SaveAlive);
    if (!Known()) return Failed(u"Unknown setting " + name_ + u".");
    if (store_.LoadSettings(record_) != 0) {
      return Failed(u"Cannot change " + name_ +
                    u": the record lacks a required value. Install Lectavo first.");
    }
    if (auto refused = Apply()) return Failed(*refused);
    if (store_.SaveSettings(record_) != 0) return Failed(u"Could not store " + name_ + u".");
    return {true, name_ + u" stored."};
  }

 private:
  using Setter = std::optional<WString> (Change::*)();
  using Saver = int (SettingsStore::*)(const SettingsRecord&);

  ChangeOutcome SaveAlone(Setter set, Saver save) {
    if (auto refused = (this->*set)()) return Failed(*refused);
    if ((store_.*save)(record_) != 0) return Failed(u"Could not store " + name_ + u".");
    return {true, name_ + u" stored."};
  }

  bool Known() const {
    for (WStringView value :
         {kValSpeak, kValUsedLang, kStrAccounts, kValWaitStart, kValAnswerTime, kStrAddressCC}) {
      if (name_ == value) return true;
    }
    return FindField(name_).has_value();
  }

  std::optional<WString> OneValue(WString& value) {
    if (values_.size() != 1) return u"Give " + name_ + u" exactly one value.";
    value = values_[0];
    return std::nullopt;
  }

  std::optional<WString> OneNumber(std::uint32_t& number) {
    WString text;
    if (auto refused = OneValue(text)) return refused;
    auto parsed = ParseNumber(text);
    if (!parsed) return u"Not a number: " + text + u".";
    number = *parsed;
    return std::nullopt;
  }

  // No value stores the empty text.
  std::optional<WString> OneText(WChar (&field)[kMaxTextLength + 1]) {
    if (values_.size() > 1) return u"Give " + name_ + u" one text; quote it.";
    if (!CopyText(values_.empty() ? WStringView{} : WStringView(values_[0]), field)) {
      return name_ + u" holds at most 255 characters.";
    }
    return std::nullopt;
  }

  std::optional<WString> SetLangPath() {
    WString text;
    if (auto refused = OneValue(text)) return refused;
    if (!CopyText(text, record_.StrLangPath)) return name_ + u" holds at most 255 characters.";
    return std::nullopt;
  }

  std::optional<WString> SetAlive() { return OneNumber(record_.ValAlive); }

  std::optional<WString> Apply() {
    if (name_ == kStrAccounts) {
      WString joined;
      for (const WString& account : values_) joined += account + u"\t";
      if (!CopyText(joined, record_.StrAccounts)) {
        return u"The accounts with their TABs exceed 255 characters.";
      }
      return std::nullopt;
    }
    if (name_ == kStrAddressCC) return OneText(record_.StrAddressCC);
    if (name_ == kValSpeak) return OneNumber(record_.ValSpeak);
    if (name_ == kValUsedLang) return OneNumber(record_.ValUsedLang);
    if (name_ == kValWaitStart) return OneNumber(record_.ValWaitStart);
    if (name_ == kValAnswerTime) return OneNumber(record_.ValAnswerTime);
    const FoundField found = *FindField(name_);
    std::uint32_t number = 0;
    if (auto refused = OneNumber(number)) return refused;
    if (found.halved != nullptr) {
      if (auto refused = Halve(*found.halved, found.shown, number)) return refused;
    }
    if (found.field.Get(found.field.Set(0, number)) != number) {
      return values_[0] + u" does not fit into " + name_ + u".";
    }
    record_.*found.value = found.field.Set(record_.*found.value, number);
    return std::nullopt;
  }

  // The Speak page replaces a half outside its range with the default when it opens: such a
  // value is refused, unless written raw. A shown value is stored halved, as the page does.
  std::optional<WString> Halve(const HalvedField& halved, bool shown, std::uint32_t& number) {
    const std::uint32_t lowest = shown ? halved.lowest : halved.lowest / 2;
    const std::uint32_t highest = shown ? halved.highest : halved.highest / 2;
    const bool inRange = number >= lowest && number <= highest;
    if (!inRange && (shown || !raw_)) {
      return name_ + u" takes " + Number(lowest) + u".." + Number(highest) +
             u"; the Speak page would replace " + values_[0] + u" with its default." +
             (shown ? u"" : u" (--raw writes it all the same.)");
    }
    if (shown) number /= 2;
    return std::nullopt;
  }

  SettingsStore& store_;
  WString name_;
  const std::vector<WString>& values_;
  bool raw_;
  SettingsRecord record_;
};

}  // namespace

ChangeOutcome ChangeSetting(SettingsStore& store, WStringView name,
                            const std::vector<WString>& values, bool raw) {
  return Change(store, name, values, raw).Run();
}

}  // namespace lectavo
