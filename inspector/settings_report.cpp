#include "inspector/settings_report.h"

#include <string>

#include "inspector/record_fields.h"
#include "settings/language_table.h"

namespace lectavo {
namespace {

constexpr WChar kMissing[] = u"MISSING";

WString Number(std::uint32_t value) {
  const std::string digits = std::to_string(value);
  return WString(digits.begin(), digits.end());
}

WString Hex(std::uint32_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  WString text = u"0x";
  for (int shift = 28; shift >= 0; shift -= 4) text += kDigits[(value >> shift) & 0xF];
  return text;
}

WString Padded(WStringView name, std::size_t width) {
  WString text(name);
  text.resize(std::max(width, text.size() + 1), u' ');
  return text;
}

WString Quoted(WStringView text) {
  WString quoted(1, u'"');
  quoted.append(text);
  quoted.push_back(u'"');
  return quoted;
}

WString Line(WStringView name, WStringView value) { return Padded(name, 22) + WString(value); }

WString Range(std::uint32_t low, std::uint32_t high) {
  return u"  OUT OF RANGE (" + Number(low) + u".." + Number(high) + u")";
}

WString AnsiName(CodePage& codePage, const char* name) {
  WChar wide[64] = {};
  if (codePage.ToWide(name, -1, wide, 64) == 0) return u"?";
  return wide;
}

class Report {
 public:
  Report(SettingsStore& store, CodePage& codePage) : store_(store), codePage_(codePage) {}

  std::vector<WString> Build() {
    lines_.push_back(u"Settings HKEY_LOCAL_MACHINE\\" + WString(kSettingsKey));
    Speak();
    UsedLang();
    Accounts();
    Dword(kWaitStartValue, u" s", u"");
    Dword(kAnswerTimeValue, u" min", u" (taken as " + Number(kAnswerTimeValue.standard) + u")");
    Text(kStrAddressCC, u" (taken as empty)");
    Text(kStrLangPath, u"");
    Dword(kAliveValue, u"", u"");
    return lines_;
  }

 private:
  void Speak() {
    std::uint32_t speak = 0;
    if (store_.LoadDword(kValSpeak, speak) != 0) {
      lines_.push_back(Line(kValSpeak, kMissing));
      return;
    }
    lines_.push_back(Line(kValSpeak, Hex(speak)));
    for (const HalvedField& halved : kHalvedFields) {
      const std::uint32_t shown = halved.half.Get(speak) * 2;
      const bool inRange = shown >= halved.lowest && shown <= halved.highest;
      lines_.push_back(
          Line(WString(u"  ") + halved.shownName,
               Number(shown) + (inRange ? u"" : Range(halved.lowest, halved.highest))));
    }
    for (const NamedField& flag : kSpeakFlags) {
      lines_.push_back(Line(WString(u"  ") + flag.name, Number(flag.field.Get(speak))));
    }
    lines_.push_back(Line(u"  bit 15 (unused)", Number((speak >> 15) & 1)));
  }

  void UsedLang() {
    std::uint32_t usedLang = 0;
    if (store_.LoadDword(kValUsedLang, usedLang) != 0) {
      lines_.push_back(Line(kValUsedLang, kMissing));
      return;
    }
    const auto number = static_cast<int>(LangNumber.Get(usedLang));
    const auto listPos = LangListPos.Get(usedLang);
    WString language = u"(no language)  OUT OF RANGE";
    if (IsOfferedLanguage(number)) {
      const LanguageName& name = kLanguageTable[number - 1];
      language = AnsiName(codePage_, name.german) + u" / " + AnsiName(codePage_, name.english);
      if (static_cast<std::uint32_t>(LanguageListPosition(number)) != listPos) {
        language += u"  OUT OF RANGE (list position does not match)";
      }
    }
    lines_.push_back(Line(kValUsedLang, Number(usedLang)));
    lines_.push_back(Line(u"  LangNumber", Number(static_cast<std::uint32_t>(number))));
    lines_.push_back(Line(u"  LangListPos", Number(listPos)));
    lines_.push_back(Line(u"  Language", language));
  }

  void Accounts() {
    WChar accounts[kMaxTextLength + 1] = {};
    if (store_.LoadText(kStrAccounts, accounts) != 0) {
      lines_.push_back(Line(kStrAccounts, kMissing));
      return;
    }
    WStringView rest = accounts;
    if (rest.empty()) {
      lines_.push_back(Line(kStrAccounts, u"(no account chosen)"));
      return;
    }
    lines_.push_back(Padded(kStrAccounts, 22) + u"one account per line:");
    while (!rest.empty()) {
      const auto tab = rest.find(u'\t');
      const WString name(rest.substr(0, tab));
      lines_.push_back(Line(u"  Account", Quoted(name) +
                                              (tab == WStringView::npos ? u"  (no closing TAB)"
                                                                        : u"")));
      rest = tab == WStringView::npos ? WStringView{} : rest.substr(tab + 1);
    }
  }

  void Dword(const RecordValue& row, WStringView unit, WStringView whenMissing) {
    const WStringView name = row.name;
    std::uint32_t value = 0;
    if (store_.LoadDword(name, value) != 0) {
      lines_.push_back(Line(name, kMissing + WString(whenMissing)));
      return;
    }
    const bool inRange = value >= row.lowest && value <= row.highest;
    lines_.push_back(Line(
        name, Number(value) + WString(unit) + (inRange ? u"" : Range(row.lowest, row.highest))));
  }

  void Text(WStringView name, WStringView whenMissing) {
    WChar text[kMaxTextLength + 1] = {};
    if (store_.LoadText(name, text) != 0) {
      lines_.push_back(Line(name, kMissing + WString(whenMissing)));
      return;
    }
    lines_.push_back(Line(name, text[0] == u'\0' ? WString(u"(empty)") : Quoted(text)));
  }

  SettingsStore& store_;
  CodePage& codePage_;
  std::vector<WString> lines_;
};

}  // namespace

std::vector<WString> DescribeSettings(SettingsStore& store, CodePage& codePage) {
  return Report(store, codePage).Build();
}

}  // namespace lectavo
