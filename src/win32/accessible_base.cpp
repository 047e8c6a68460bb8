#include "win32/accessible_base.h"

#include "win32/wide.h"

namespace velmarin::win32 {

LONG ChildIdOf(const VARIANT& child) {
  if (child.vt == VT_EMPTY) return CHILDID_SELF;
  if (child.vt == VT_I4) return child.lVal;
  if (child.vt == VT_I2) return child.iVal;
  return -1;
}

HRESULT ReaderText(const std::string& text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  const std::wstring wide = Widen(text);
  *out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

VARIANT IntVariant(LONG value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

HRESULT AccessibleBase::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kIidAccessible) {
    *out = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT AccessibleBase::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT AccessibleBase::get_accHelp(VARIANT, BSTR* help) {
  if (help) *help = nullptr;
  return S_FALSE;
}

HRESULT AccessibleBase::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
  if (file) *file = nullptr;
  if (topic) *topic = -1;
  return S_FALSE;
}

HRESULT AccessibleBase::get_accKeyboardShortcut(VARIANT, BSTR* keys) {
  if (keys) *keys = nullptr;
  return S_FALSE;
}

}  // namespace velmarin::win32
