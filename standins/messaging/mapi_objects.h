// What the messaging library's objects share: reference counting, calls not offered, property
// values handed out in one block, and tables over rows made when the table is asked for.
#pragma once

#include <windows.h>

#include <mapix.h>

#include <string>
#include <vector>

namespace lectavo {

// Reference counting as the device's objects do it: the last Release deletes.
template <typename Interface>
class Counted : public Interface {
 public:
  virtual ~Counted() = default;
  STDMETHODIMP QueryInterface(REFIID id, LPVOID* object) override {
    if (object == nullptr) return E_INVALIDARG;
    *object = IsEqualIID(id, __uuidof(IUnknown)) ? this : nullptr;
    if (*object == nullptr) return E_NOINTERFACE;
    this->AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
  STDMETHODIMP_(ULONG) Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 private:
  ULONG references_ = 1;
};

#define LECTAVO_NOT_OFFERED \
  { return MAPI_E_NO_SUPPORT; }

// One property value: text (PT_UNICODE), bytes (PT_BINARY), a number (PT_LONG) or, for a
// PT_ERROR value, the error.
struct Cell {
  ULONG tag = 0;
  std::wstring text;
  std::vector<BYTE> bytes;
  ULONG number = 0;
};

// The values of these tags, in this order, with the texts and bytes they point to, in one
// block freed with free (FreeProws, MAPIFreeBuffer). A tag without a cell is a PT_ERROR value
// MAPI_E_NOT_FOUND; a PT_ERROR cell answers its property whatever its type. Null when memory
// runs out.
LPSPropValue PackValues(const std::vector<Cell>& cells, const std::vector<ULONG>& tags);

// A table that lists these rows, through SetColumns and QueryRows.
IMAPITable* NewRowTable(std::vector<std::vector<Cell>> rows);

}  // namespace lectavo
