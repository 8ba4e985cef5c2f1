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

// Each object's calls, every one not offered until an object overrides it.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"
class StoreCalls : public Counted<IMsgStore> {
 public:
  MAPI_IMAPIPROP_METHODS(LECTAVO_NOT_OFFERED)
  MAPI_IMSGSTORE_METHODS(LECTAVO_NOT_OFFERED)
};
class FolderCalls : public Counted<IMAPIFolder> {
 public:
  MAPI_IMAPIPROP_METHODS(LECTAVO_NOT_OFFERED)
  MAPI_IMAPICONTAINER_METHODS(LECTAVO_NOT_OFFERED)
  MAPI_IMAPIFOLDER_METHODS(LECTAVO_NOT_OFFERED)
};
class MessageCalls : public Counted<IMessage> {
 public:
  MAPI_IMAPIPROP_METHODS(LECTAVO_NOT_OFFERED)
  MAPI_IMESSAGE_METHODS(LECTAVO_NOT_OFFERED)
};
class AttachCalls : public Counted<IAttach> {
 public:
  MAPI_IMAPIPROP_METHODS(LECTAVO_NOT_OFFERED)
};
class StreamCalls : public Counted<IStream> {
 public:
  STDMETHODIMP Read(void*, ULONG, ULONG*) override LECTAVO_NOT_OFFERED;
  STDMETHODIMP Write(const void*, ULONG, ULONG*) override LECTAVO_NOT_OFFERED;
  STDMETHODIMP Seek(LARGE_INTEGER, DWORD, ULARGE_INTEGER*) override LECTAVO_NOT_OFFERED;
  STDMETHODIMP SetSize(ULARGE_INTEGER) override LECTAVO_NOT_OFFERED;
  STDMETHODIMP CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*,
                      ULARGE_INTEGER*) override LECTAVO_NOT_OFFERED;
  STDMETHODIMP Commit(DWORD) override LECTAVO_NOT_OFFERED;
  STDMETHODIMP Revert() override LECTAVO_NOT_OFFERED;
  STDMETHODIMP LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override LECTAVO_NOT_OFFERED;
  STDMETHODIMP UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override LECTAVO_NOT_OFFERED;
  STDMETHODIMP Stat(STATSTG*, DWORD) override LECTAVO_NOT_OFFERED;
  STDMETHODIMP Clone(IStream**) override LECTAVO_NOT_OFFERED;
};
#pragma GCC diagnostic pop

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

// GetProps' answer: the values of the tags asked for, MAPI_W_ERRORS_RETURNED when one is
// missing.
HRESULT PackAnswer(const std::vector<Cell>& cells, LPSPropTagArray tags, ULONG* count,
                   LPSPropValue* values);

// A table that lists these rows, through SetColumns and QueryRows.
IMAPITable* NewRowTable(std::vector<std::vector<Cell>> rows);

}  // namespace lectavo
