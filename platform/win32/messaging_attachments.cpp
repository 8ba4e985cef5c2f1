// Property streams and attachments of the messaging library behind the messaging role, and
// property values as the library takes them.
#include <objidl.h>

#include "platform/win32/messaging_objects.h"

namespace lectavo {
namespace {

class LibraryStream final : public PropertyStream {
 public:
  explicit LibraryStream(IStream* stream) : stream_(stream) {}

  bool Read(void* buffer, std::uint32_t size, std::uint32_t* read) override {
    ULONG got = 0;
    const HRESULT result = stream_->Read(buffer, size, &got);
    *read = FAILED(result) ? 0 : got;
    return SUCCEEDED(result);
  }

  // A stream may take less than it was given: the rest goes in further calls.
  bool Write(const void* buffer, std::uint32_t size) override {
    const auto* bytes = static_cast<const BYTE*>(buffer);
    while (size > 0) {
      ULONG written = 0;
      if (FAILED(stream_->Write(bytes, size, &written)) || written == 0 || written > size) {
        return false;
      }
      bytes += written;
      size -= written;
    }
    return true;
  }

  bool Commit() override { return SUCCEEDED(stream_->Commit(STGC_DEFAULT)); }

  void Release() override {
    stream_->Release();
    delete this;
  }

 private:
  IStream* stream_;
};

class LibraryAttachment final : public MessagingAttachment {
 public:
  explicit LibraryAttachment(IAttach* attachment) : attachment_(attachment) {}

  bool SetProps(const std::vector<PropValue>& values) override {
    std::vector<SPropValue> set = ApiValues(values);
    return SUCCEEDED(attachment_->SetProps(static_cast<ULONG>(set.size()), set.data(), nullptr));
  }

  bool OpenProperty(std::uint32_t tag, std::uint32_t flags, PropertyStream** stream) override {
    IUnknown* opened = nullptr;
    if (FAILED(attachment_->OpenProperty(tag, &__uuidof(IStream), STGM_WRITE, flags, &opened)) ||
        opened == nullptr) {
      return false;
    }
    *stream = WrapStream(static_cast<IStream*>(opened));
    return true;
  }

  bool SaveChanges(std::uint32_t flags) override {
    return SUCCEEDED(attachment_->SaveChanges(flags));
  }

  void Release() override {
    attachment_->Release();
    delete this;
  }

 private:
  IAttach* attachment_;
};

}  // namespace

std::vector<SPropValue> ApiValues(const std::vector<PropValue>& values) {
  std::vector<SPropValue> set(values.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    set[i].ulPropTag = values[i].tag;
    if (PROP_TYPE(values[i].tag) == PT_UNICODE) {
      set[i].Value.lpszW = reinterpret_cast<LPWSTR>(const_cast<WChar*>(values[i].text.c_str()));
    } else if (PROP_TYPE(values[i].tag) == PT_BINARY) {
      set[i].Value.bin = {static_cast<ULONG>(values[i].binary.size()),
                          const_cast<std::uint8_t*>(values[i].binary.data())};
    } else {
      set[i].Value.l = static_cast<LONG>(values[i].number);
    }
  }
  return set;
}

PropertyStream* WrapStream(IStream* stream) { return new LibraryStream(stream); }

MessagingAttachment* WrapAttachment(IAttach* attachment) {
  return new LibraryAttachment(attachment);
}

}  // namespace lectavo
