#include "today/item_accessible.h"

#include <oleacc.h>

#include <new>

#include "platform/win32/wide.h"

namespace lectavo {
namespace {

constexpr wchar_t kObjectProperty[] = L"LectavoAccessible";
constexpr wchar_t kDefaultAction[] = L"\u00D6ffnen";

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT Text(const VARIANT& child, const wchar_t* text, UINT length, BSTR* out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (!IsSelf(child)) return E_INVALIDARG;
  *out = SysAllocStringLen(text, length);
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT Number(const VARIANT& child, LONG value, VARIANT* out) {
  if (out == nullptr) return E_POINTER;
  VariantInit(out);
  if (!IsSelf(child)) return E_INVALIDARG;
  out->vt = VT_I4;
  out->lVal = value;
  return S_OK;
}

// What the item does not offer: no value, description, help, shortcut or selection.
HRESULT NoText(BSTR* out) {
  if (out != nullptr) *out = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT Nothing(VARIANT* out) {
  if (out != nullptr) VariantInit(out);
  return S_FALSE;
}

// Lives on the Today screen's window thread, where the screen reader's calls arrive.
class ItemAccessible final : public IAccessible {
 public:
  ItemAccessible(HWND window, ItemName name) : window_(window), name_(name) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (iid != __uuidof(IUnknown) && iid != __uuidof(IDispatch) && iid != __uuidof(IAccessible)) {
      return E_NOINTERFACE;
    }
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return left;
  }

  // No type information: screen readers call the interface directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // The window's own object, as for any window's client area.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return AccessibleObjectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW),
                                      __uuidof(IDispatch), reinterpret_cast<void**>(parent));
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
    if (child != nullptr) *child = nullptr;
    return E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    const WStringView text = name_();
    return Text(child, ApiChars(text.data()), static_cast<UINT>(text.size()), name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override { return NoText(value); }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override {
    return NoText(text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return Number(child, ROLE_SYSTEM_PUSHBUTTON, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return Number(child, IsWindowVisible(window_) ? 0 : STATE_SYSTEM_INVISIBLE, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override { return NoText(help); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG*) override {
    return NoText(file);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* keys) override {
    return NoText(keys);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return Nothing(focus); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* chosen) override { return Nothing(chosen); }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return Text(child, kDefaultAction, static_cast<UINT>(std::size(kDefaultAction) - 1), action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr)
      return E_POINTER;
    RECT r{};
    if (!IsSelf(child)) return E_INVALIDARG;
    if (!GetWindowRect(window_, &r)) return E_FAIL;
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT* end) override {
    return Nothing(end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    RECT r{};
    if (child == nullptr) return E_POINTER;
    if (!GetWindowRect(window_, &r) || !PtInRect(&r, POINT{x, y})) return Nothing(child);
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return Number(self, CHILDID_SELF, child);
  }
  // A tap, given from the window's own message loop: the screen reader is not held while the
  // configuration program starts or a message box is open.
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (!IsSelf(child)) return E_INVALIDARG;
    return PostMessageW(window_, WM_LBUTTONUP, 0, 0) ? S_OK : E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~ItemAccessible() = default;

  LONG references_ = 1;
  HWND window_;
  ItemName name_;
};

}  // namespace

LRESULT AnswerAccessibleObject(HWND window, WPARAM flags, ItemName name) {
  auto* object = static_cast<ItemAccessible*>(GetPropW(window, kObjectProperty));
  if (object == nullptr) {
    object = new (std::nothrow) ItemAccessible(window, name);
    if (object == nullptr) return 0;
    if (!SetPropW(window, kObjectProperty, object)) {
      object->Release();
      return 0;
    }
  }
  return LresultFromObject(__uuidof(IAccessible), flags, object);
}

void ReleaseAccessibleObject(HWND window) {
  auto* object = static_cast<ItemAccessible*>(RemovePropW(window, kObjectProperty));
  if (object == nullptr) return;
  CoDisconnectObject(object, 0);
  object->Release();
}

}  // namespace lectavo
