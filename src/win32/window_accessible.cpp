#include "win32/window_accessible.h"

#include <utility>

#include "win32/wide.h"

namespace velmarin::win32 {

namespace {

class WindowAccessible final : public AccessibleBase {
 public:
  WindowAccessible(HWND hwnd, std::string name, LONG role)
      : hwnd_(hwnd), name_(std::move(name)), role_(role) {
    void* inner = nullptr;
    if (SUCCEEDED(CreateStdAccessibleObject(hwnd, OBJID_CLIENT, kIidAccessible, &inner))) {
      inner_ = static_cast<IAccessible*>(inner);
    }
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    return AccessibleObjectFromWindow(GetParent(hwnd_), static_cast<DWORD>(OBJID_CLIENT),
                                      IID_IDispatch, reinterpret_cast<void**>(parent));
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return inner_ ? inner_->get_accChildCount(count) : S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    return inner_ ? inner_->get_accChild(child, out) : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (ChildIdOf(child) == CHILDID_SELF) return ReaderText(name_, name);
    return inner_ ? inner_->get_accName(child, name) : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (!value) return E_POINTER;
    *value = nullptr;
    HRESULT hr = inner_ ? inner_->get_accValue(child, value) : S_FALSE;
    if (hr == S_OK || ChildIdOf(child) != CHILDID_SELF) return hr;
    // The Run box's value is what it holds.
    if (*value) SysFreeString(*value);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
    return ReaderText(Narrow(text), value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    if (text) *text = nullptr;
    return inner_ ? inner_->get_accDescription(child, text) : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!role) return E_POINTER;
    if (ChildIdOf(child) == CHILDID_SELF) {
      *role = IntVariant(role_);
      return S_OK;
    }
    VariantInit(role);
    return inner_ ? inner_->get_accRole(child, role) : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!state) return E_POINTER;
    VariantInit(state);
    if (inner_) return inner_->get_accState(child, state);
    const LONG style = GetWindowLongW(hwnd_, GWL_STYLE);
    *state = IntVariant((style & WS_VISIBLE) ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_INVISIBLE);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
    if (!out) return E_POINTER;
    VariantInit(out);
    if (inner_ && SUCCEEDED(inner_->get_accFocus(out))) return S_OK;
    const HWND focus = GetFocus();
    if (focus == hwnd_ || IsChild(hwnd_, focus)) *out = IntVariant(CHILDID_SELF);
    return out->vt == VT_EMPTY ? S_FALSE : S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
    if (!out) return E_POINTER;
    VariantInit(out);
    return inner_ ? inner_->get_accSelection(out) : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (action) *action = nullptr;
    return inner_ ? inner_->get_accDefaultAction(child, action) : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    return inner_ ? inner_->accSelect(flags, child) : DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    if (!left || !top || !width || !height) return E_POINTER;
    if (ChildIdOf(child) != CHILDID_SELF) {
      return inner_ ? inner_->accLocation(left, top, width, height, child) : E_INVALIDARG;
    }
    RECT rc{};
    if (!GetWindowRect(hwnd_, &rc)) return E_FAIL;
    *left = rc.left;
    *top = rc.top;
    *width = rc.right - rc.left;
    *height = rc.bottom - rc.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG dir, VARIANT start, VARIANT* end) override {
    if (!end) return E_POINTER;
    VariantInit(end);
    return inner_ ? inner_->accNavigate(dir, start, end) : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* out) override {
    if (!out) return E_POINTER;
    VariantInit(out);
    if (inner_ && SUCCEEDED(inner_->accHitTest(x, y, out)) && out->vt != VT_EMPTY) return S_OK;
    RECT rc{};
    if (!GetWindowRect(hwnd_, &rc) || !PtInRect(&rc, POINT{x, y})) return S_FALSE;
    *out = IntVariant(CHILDID_SELF);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return inner_ ? inner_->accDoDefaultAction(child) : DISP_E_MEMBERNOTFOUND;
  }

 private:
  ~WindowAccessible() override {
    if (inner_) inner_->Release();
  }

  HWND hwnd_;
  std::string name_;
  LONG role_;
  IAccessible* inner_ = nullptr;
};

}  // namespace

IAccessible* MakeWindowAccessible(HWND hwnd, const std::string& name, LONG role) {
  if (!IsWindow(hwnd)) return nullptr;
  return new WindowAccessible(hwnd, name, role);
}

}  // namespace velmarin::win32
