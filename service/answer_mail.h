// The answer to a message read aloud, as the Answer and Antwort-Text pages set it up: to its
// sender, a copy to StrAddressCC, "AW: " before its subject, and in its body the answer note
// and the original message, each when the settings enclose it.
#pragma once

#include "platform/code_page.h"
#include "platform/files.h"
#include "service/outbox.h"
#include "service/reading_plan.h"
#include "settings/settings_record.h"

namespace lectavo {

// The answer without its recording; the note is read from its file in the device's ANSI code
// page when FlagAnswerNote encloses it.
OutgoingAnswer ComposeAnswer(const MailMessage& original, const SettingsRecord& record,
                             Files& files, CodePage& codePage);

}  // namespace lectavo
