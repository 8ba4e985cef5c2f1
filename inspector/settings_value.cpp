#include "inspector/settings_value.h"

#include <string>

#include "inspector/record_fields.h"

namespace lectavo {
namespace {

WString Number(std::uint32_t value) {
  const std::string digits = std::to_string(value);
  return WString(digits.begin(), digits.end());
}

ValueOutcome Missing(WStringView name) {
  return {false, WString(name) + u" is missing from the record."};
}

}  // namespace

ValueOutcome ReadSetting(SettingsStore& store, WStringView name) {
  for (const RecordValue& row : kRecordValues) {
    if (name != row.name) continue;
    if (row.type == kTextType) {
      WChar text[kMaxTextLength + 1] = {};
      if (store.LoadText(name, text) != 0) return Missing(name);
      return {true, text};
    }
    std::uint32_t value = 0;
    if (store.LoadDword(name, value) != 0) return Missing(name);
    return {true, Number(value)};
  }
  const auto found = FindField(name);
  if (!found) return {false, u"Unknown setting " + WString(name) + u"."};
  std::uint32_t value = 0;
  if (store.LoadDword(found->valueName, value) != 0) return Missing(found->valueName);
  return {true, Number(found->field.Get(value) * (found->shown ? 2 : 1))};
}

}  // namespace lectavo
