// A complete settings record in the fake registry: every value, each one a test can choose.
#pragma once

#include "settings/settings_store.h"
#include "tests/support/fake_registry.h"
#include "tests/support/record_values.h"

namespace lectavo::fake {

inline void PutRecord(FakeRegistry& registry, const RecordValues& values) {
  const WStringView key = kSettingsKey;
  registry.PutDword(key, u"ValSpeak", values.speak);
  registry.PutDword(key, u"ValUsedLang", values.usedLang);
  registry.PutText(key, u"StrAccounts", values.accounts);
  registry.PutDword(key, u"ValWaitStart", values.waitStart);
  registry.PutDword(key, u"ValAnswerTime", values.answerTime);
  registry.PutText(key, u"StrAddressCC", values.addressCC);
  registry.PutText(key, u"StrLangPath", values.langPath);
  registry.PutDword(key, u"ValAlive", values.alive);
}

}  // namespace lectavo::fake
