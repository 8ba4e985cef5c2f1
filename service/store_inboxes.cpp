#include "service/store_inboxes.h"

#include "service/held.h"
#include "service/reading_plan.h"

namespace lectavo {
namespace {

const PropValue* Find(const std::vector<PropValue>& values, std::uint32_t tag) {
  for (const PropValue& value : values) {
    if (value.tag == tag) return &value;
  }
  return nullptr;
}

WString TextOf(const std::vector<PropValue>& values, std::uint32_t tag) {
  const PropValue* value = Find(values, tag);
  return value != nullptr ? value->text : WString();
}

// The body as far as it is read aloud, and a character more, so that a cut is known.
WString BodyOf(MessagingMessage& message) {
  PropertyStream* opened = nullptr;
  if (!message.OpenProperty(kPrBody, 0, &opened) || opened == nullptr) return {};
  const Held<PropertyStream> stream(opened);
  std::vector<WChar> body((kLongestBody + 1) * 2);
  std::size_t filled = 0;
  const std::size_t wanted = (kLongestBody + 1) * sizeof(WChar);
  auto* bytes = reinterpret_cast<char*>(body.data());
  while (filled < wanted) {
    std::uint32_t read = 0;
    if (!stream->Read(bytes + filled, static_cast<std::uint32_t>(wanted - filled), &read) ||
        read == 0) {
      break;
    }
    filled += read;
  }
  return WString(body.data(), filled / sizeof(WChar));
}

}  // namespace

std::set<WString> ChosenNames(WStringView accounts) {
  std::set<WString> names;
  while (!accounts.empty()) {
    const std::size_t tab = accounts.find(u'\t');
    names.emplace(accounts.substr(0, tab));
    if (tab == WStringView::npos) break;
    accounts.remove_prefix(tab + 1);
  }
  return names;
}

template <typename Row>
bool StoreInboxes::EachRow(MessagingTable* table, const std::vector<std::uint32_t>& columns,
                           Row row) {
  if (!table->SetColumns(columns, 0)) return false;
  for (;;) {
    RowSet* rows = nullptr;
    if (!table->QueryRows(1, 0, &rows) || rows == nullptr) return false;
    const bool end = rows->rows.empty();
    if (!end) row(rows->rows.front());
    messaging_.FreeProws(rows);
    if (end) return true;
  }
}

template <typename Use>
bool StoreInboxes::WithStore(MessagingSession* session, const EntryId& store, Use use) {
  MessagingStore* opened = nullptr;
  if (!session->OpenMsgStore(kNoHandle, store, 0, &opened) || opened == nullptr) return false;
  const Held<MessagingStore> held(opened);
  return use(*held);
}

void StoreInboxes::InboxOf(MessagingSession* session, const EntryId& store, bool chosen,
                           std::vector<MessageRef>& refs) {
  WithStore(session, store, [&](MessagingStore& opened) {
    EntryId inboxId;
    MessagingFolder* folder = nullptr;
    if (!opened.GetReceiveFolder(nullptr, kMapiUnicode, &inboxId) ||
        !opened.OpenEntry(inboxId, 0, &folder) || folder == nullptr) {
      return false;
    }
    const Held<MessagingFolder> inbox(folder);
    MessagingTable* contents = nullptr;
    if (!inbox->GetContentsTable(kMapiUnicode, &contents) || contents == nullptr) return false;
    const Held<MessagingTable> table(contents);
    return EachRow(table.get(), {kPrEntryId}, [&](const std::vector<PropValue>& row) {
      const PropValue* id = Find(row, kPrEntryId);
      if (id != nullptr) refs.push_back({store, id->binary, chosen});
    });
  });
}

std::vector<MessageRef> StoreInboxes::Inboxes(WStringView accounts) {
  std::vector<MessageRef> refs;
  MessagingSession* opened = nullptr;
  if (!messaging_.LogonEx(kNoHandle, nullptr, nullptr, 0, &opened) || opened == nullptr) {
    return refs;
  }
  const Held<MessagingSession> session(opened);
  MessageStoreTable* stores = nullptr;
  if (!session->GetMsgStoresTable(kMapiUnicode, &stores) || stores == nullptr) return refs;
  std::vector<std::pair<EntryId, bool>> found;
  {
    const Held<MessagingTable> table(stores);
    const std::set<WString> chosen = ChosenNames(accounts);
    EachRow(table.get(), {kPrDisplayName, kPrEntryId}, [&](const std::vector<PropValue>& row) {
      const PropValue* id = Find(row, kPrEntryId);
      if (id != nullptr)
        found.emplace_back(id->binary, chosen.count(TextOf(row, kPrDisplayName)) != 0);
    });
  }
  for (const auto& [store, chosen] : found) InboxOf(session.get(), store, chosen, refs);
  return refs;
}

template <typename Use>
bool StoreInboxes::WithMessage(const MessageRef& ref, Use use) {
  MessagingSession* opened = nullptr;
  if (!messaging_.LogonEx(kNoHandle, nullptr, nullptr, 0, &opened) || opened == nullptr) {
    return false;
  }
  const Held<MessagingSession> session(opened);
  return WithStore(session.get(), ref.store, [&](MessagingStore& store) {
    MessagingMessage* message = nullptr;
    if (!store.OpenEntry(ref.message, 0, &message) || message == nullptr) return false;
    const Held<MessagingMessage> held(message);
    return use(*held);
  });
}

std::optional<MailMessage> StoreInboxes::Open(const MessageRef& ref) {
  std::optional<MailMessage> read;
  WithMessage(ref, [&](MessagingMessage& message) {
    std::vector<PropValue> values;
    if (!message.GetProps({kPrSenderName, kPrSenderEmailAddress, kPrSubject}, kMapiUnicode,
                          &values)) {
      return false;
    }
    read = MailMessage{TextOf(values, kPrSenderName), TextOf(values, kPrSenderEmailAddress),
                       TextOf(values, kPrSubject), BodyOf(message)};
    return true;
  });
  return read;
}

bool StoreInboxes::MarkRead(const MessageRef& ref) {
  return WithMessage(ref, [&](MessagingMessage& message) {
    std::vector<PropValue> flags;
    if (!message.GetProps({kPrMessageFlags}, 0, &flags) || flags.empty() ||
        PropType(flags[0].tag) == kPtError) {
      flags = {PropValue{kPrMessageFlags, {}, {}, 0}};
    }
    flags[0].number |= kMsgFlagRead;
    return message.SetProps(flags);
  });
}

}  // namespace lectavo
