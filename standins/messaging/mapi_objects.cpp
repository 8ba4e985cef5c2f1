#include "standins/messaging/mapi_objects.h"

#include <mapiutil.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace lectavo {
namespace {

const Cell* CellFor(const std::vector<Cell>& cells, ULONG tag) {
  for (const Cell& cell : cells) {
    if (cell.tag == tag) return &cell;
    if (PROP_TYPE(cell.tag) == PT_ERROR && PROP_ID(cell.tag) == PROP_ID(tag)) return &cell;
  }
  return nullptr;
}

std::size_t DataBytes(const Cell& cell) {
  if (PROP_TYPE(cell.tag) == PT_UNICODE) return (cell.text.size() + 1) * sizeof(wchar_t);
  if (PROP_TYPE(cell.tag) == PT_BINARY) return cell.bytes.size();
  return 0;
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"
class TableCalls : public Counted<IMAPITable> {
 public:
  MAPI_IMAPITABLE_METHODS(LECTAVO_NOT_OFFERED)
};
#pragma GCC diagnostic pop

class RowTable final : public TableCalls {
 public:
  explicit RowTable(std::vector<std::vector<Cell>> rows) : rows_(std::move(rows)) {}

  STDMETHODIMP SetColumns(LPSPropTagArray tags, ULONG) override {
    if (tags == nullptr) return MAPI_E_INVALID_PARAMETER;
    columns_.assign(tags->aulPropTag, tags->aulPropTag + tags->cValues);
    return S_OK;
  }

  // Up to rowCount rows from where the last call ended; none at the end of the table.
  STDMETHODIMP QueryRows(LONG rowCount, ULONG, LPSRowSet* rows) override {
    if (rows == nullptr || rowCount < 0) return MAPI_E_INVALID_PARAMETER;
    const std::size_t count = std::min(static_cast<std::size_t>(rowCount), rows_.size() - next_);
    const std::size_t setBytes = CbNewSRowSet(std::max<std::size_t>(count, 1));
    auto* set = static_cast<LPSRowSet>(std::calloc(1, setBytes));
    if (set == nullptr) return MAPI_E_NOT_ENOUGH_MEMORY;
    for (std::size_t row = 0; row < count; ++row) {
      const LPSPropValue values = PackValues(rows_[next_ + row], columns_);
      if (values == nullptr) {
        for (ULONG made = 0; made < set->cRows; ++made) std::free(set->aRow[made].lpProps);
        std::free(set);
        return MAPI_E_NOT_ENOUGH_MEMORY;
      }
      set->aRow[row] = {0, static_cast<ULONG>(columns_.size()), values};
      set->cRows = static_cast<ULONG>(row + 1);
    }
    next_ += count;
    *rows = set;
    return S_OK;
  }

 private:
  std::vector<std::vector<Cell>> rows_;
  std::vector<ULONG> columns_;
  std::size_t next_ = 0;
};

}  // namespace

LPSPropValue PackValues(const std::vector<Cell>& cells, const std::vector<ULONG>& tags) {
  const std::size_t valueBytes = tags.size() * sizeof(SPropValue);
  std::size_t dataBytes = 0;
  for (ULONG tag : tags) {
    if (const Cell* cell = CellFor(cells, tag)) dataBytes += DataBytes(*cell);
  }
  auto* block =
      static_cast<BYTE*>(std::calloc(1, std::max<std::size_t>(valueBytes + dataBytes, 1)));
  if (block == nullptr) return nullptr;
  auto* values = reinterpret_cast<LPSPropValue>(block);
  BYTE* data = block + valueBytes;
  for (std::size_t i = 0; i < tags.size(); ++i) {
    SPropValue& value = values[i];
    const Cell* cell = CellFor(cells, tags[i]);
    value.ulPropTag = cell == nullptr ? PROP_TAG(PT_ERROR, PROP_ID(tags[i])) : cell->tag;
    if (cell == nullptr) {
      value.Value.err = MAPI_E_NOT_FOUND;
    } else if (PROP_TYPE(cell->tag) == PT_UNICODE) {
      std::memcpy(data, cell->text.c_str(), DataBytes(*cell));
      value.Value.lpszW = reinterpret_cast<LPWSTR>(data);
    } else if (PROP_TYPE(cell->tag) == PT_BINARY) {
      std::memcpy(data, cell->bytes.data(), cell->bytes.size());
      value.Value.bin = {static_cast<ULONG>(cell->bytes.size()), data};
    } else if (PROP_TYPE(cell->tag) == PT_ERROR) {
      value.Value.err = static_cast<SCODE>(cell->number);
    } else {
      value.Value.l = static_cast<LONG>(cell->number);
    }
    data += cell == nullptr ? 0 : DataBytes(*cell);
  }
  return values;
}

HRESULT PackAnswer(const std::vector<Cell>& cells, LPSPropTagArray tags, ULONG* count,
                   LPSPropValue* values) {
  const std::vector<ULONG> asked(tags->aulPropTag, tags->aulPropTag + tags->cValues);
  *values = PackValues(cells, asked);
  if (*values == nullptr) return MAPI_E_NOT_ENOUGH_MEMORY;
  *count = tags->cValues;
  for (ULONG i = 0; i < *count; ++i) {
    if (PROP_TYPE((*values)[i].ulPropTag) == PT_ERROR) return MAPI_W_ERRORS_RETURNED;
  }
  return S_OK;
}

IMAPITable* NewRowTable(std::vector<std::vector<Cell>> rows) {
  return new RowTable(std::move(rows));
}

}  // namespace lectavo
