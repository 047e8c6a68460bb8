#pragma once
// IUnknown for an object of our own that offers one interface: references counted from one,
// the object deleted when the last goes.
#include <objbase.h>

namespace velmarin::win32 {

template <typename Interface, const IID& kInterfaceId>
class ComObject : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == kInterfaceId) {
      *out = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  virtual ~ComObject() = default;

 private:
  ULONG refs_ = 1;
};

}  // namespace velmarin::win32
