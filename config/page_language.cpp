#include "config/page_language.h"

#include "framework/dialog.h"
#include "settings/settings_record.h"

namespace lectavo {

void ShowDialogLanguage(Dialog& page, std::span<const LanguageRow> rows, std::uint32_t speak) {
  if (FlagDialogEnglish.Get(speak) != 1) return;
  for (const LanguageRow& row : rows) Control(page, row.id).SetWindowText(row.english);
}

}  // namespace lectavo
