#include "standins/messaging/new_attachment.h"

#include <mapiutil.h>

#include "standins/messaging/mapi_objects.h"

namespace lectavo {
namespace {

// The largest attachment kept: ten minutes of a recording are a fifth of it.
constexpr std::size_t kLongestData = 128 * 1024 * 1024;

// The attachment's data, written from the start; it is the attachment's once committed.
class DataStream final : public StreamCalls {
 public:
  DataStream(std::shared_ptr<std::string> data, bool anew)
      : data_(std::move(data)), pending_(anew ? std::string() : *data_) {}

  STDMETHODIMP Write(const void* buffer, ULONG size, ULONG* written) override {
    if (buffer == nullptr && size != 0) return STG_E_INVALIDPOINTER;
    if (written != nullptr) *written = 0;
    if (size > kLongestData - pending_.size()) return STG_E_MEDIUMFULL;
    pending_.append(static_cast<const char*>(buffer), size);
    if (written != nullptr) *written = size;
    return S_OK;
  }

  STDMETHODIMP Commit(DWORD) override {
    *data_ = pending_;
    return S_OK;
  }

 private:
  std::shared_ptr<std::string> data_;
  std::string pending_;
};

class Attachment final : public AttachCalls {
 public:
  Attachment(std::shared_ptr<SavedAttachments> saved, ULONG number)
      : saved_(std::move(saved)), number_(number) {}

  // Attached by value, with its names; nothing else is kept.
  STDMETHODIMP SetProps(ULONG count, LPSPropValue values, LPSPropProblemArray* problems) override {
    if (values == nullptr && count != 0) return MAPI_E_INVALID_PARAMETER;
    if (problems != nullptr) *problems = nullptr;
    for (ULONG i = 0; i < count; ++i) {
      const ULONG tag = values[i].ulPropTag;
      if (tag == PR_ATTACH_METHOD && values[i].Value.l != ATTACH_BY_VALUE) return MAPI_E_NO_SUPPORT;
      if (tag != PR_ATTACH_METHOD && tag != PR_ATTACH_LONG_FILENAME_W &&
          tag != PR_ATTACH_FILENAME_W) {
        return MAPI_E_NO_ACCESS;
      }
    }
    for (ULONG i = 0; i < count; ++i) {
      const ULONG tag = values[i].ulPropTag;
      if (tag == PR_ATTACH_METHOD) byValue_ = true;
      const wchar_t* text = values[i].Value.lpszW == nullptr ? L"" : values[i].Value.lpszW;
      if (tag == PR_ATTACH_LONG_FILENAME_W) longName_ = text;
      if (tag == PR_ATTACH_FILENAME_W) shortName_ = text;
    }
    return S_OK;
  }

  // Only the data, only to be written.
  STDMETHODIMP OpenProperty(ULONG tag, LPCIID id, ULONG, ULONG flags, LPUNKNOWN* opened) override {
    if (opened == nullptr) return MAPI_E_INVALID_PARAMETER;
    if (tag != PR_ATTACH_DATA_BIN) return MAPI_E_NOT_FOUND;
    if (id == nullptr || !IsEqualIID(*id, __uuidof(IStream))) return MAPI_E_INTERFACE_NOT_SUPPORTED;
    if ((flags & MAPI_MODIFY) == 0) return MAPI_E_NO_ACCESS;
    *opened = new DataStream(data_, (flags & MAPI_CREATE) != 0);
    return S_OK;
  }

  STDMETHODIMP SaveChanges(ULONG) override {
    if (!byValue_) return MAPI_E_INVALID_PARAMETER;
    (*saved_)[number_] = {longName_.empty() ? shortName_ : longName_, *data_};
    return S_OK;
  }

 private:
  std::shared_ptr<SavedAttachments> saved_;
  ULONG number_;
  bool byValue_ = false;
  std::wstring longName_;
  std::wstring shortName_;
  std::shared_ptr<std::string> data_ = std::make_shared<std::string>();
};

}  // namespace

IAttach* NewAttachment(std::shared_ptr<SavedAttachments> saved, ULONG number) {
  return new Attachment(std::move(saved), number);
}

}  // namespace lectavo
