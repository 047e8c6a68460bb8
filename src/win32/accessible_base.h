#pragma once
// What every accessible object of ours shares: IUnknown (IAccessible, IDispatch and IUnknown
// answered, references counted from one), an IDispatch that offers no type information (readers
// call the IAccessible methods themselves), and the methods no object of ours supports.
#include <objbase.h>
#include <oleacc.h>

#include <string>

namespace velmarin::win32 {

// IAccessible's interface id, written out: the import library's symbol is a thunk that a
// comparison of ids does not match.
inline constexpr IID kIidAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// A child id out of a VARIANT (VT_I4, or VT_EMPTY for the object itself); -1 for anything else.
LONG ChildIdOf(const VARIANT& child);
// A BSTR of UTF-8 text for a reader; S_FALSE and no string for empty text.
HRESULT ReaderText(const std::string& text, BSTR* out);
VARIANT IntVariant(LONG value);

class AccessibleBase : public IAccessible {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }
  // Nothing of ours has help, a help topic or a shortcut key, and no name or value is written.
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* keys) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 protected:
  virtual ~AccessibleBase() = default;

 private:
  ULONG refs_ = 1;
};

}  // namespace velmarin::win32
