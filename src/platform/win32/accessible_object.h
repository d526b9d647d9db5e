// What the program's hand-written MSAA objects share: COM's reference counting and interface query, no type
// information, no renaming, and the answer to WM_GETOBJECT.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <oleacc.h>

#include <string>

namespace zudav::win32 {

// Hand-written COM objects stay out of anonymous namespaces: GCC miscompiles calls through them otherwise.
class AccessibleObject : public IAccessible {
  public:
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    // The answer to WM_GETOBJECT, or 0 when oleacc cannot be had.
    LRESULT Answer(WPARAM wParam);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  protected:
    // One reference, the caller's.
    AccessibleObject() = default;
    virtual ~AccessibleObject() = default;

    // A text property: S_FALSE and no string when it is empty.
    static HRESULT Text(const std::wstring& text, BSTR* out);
    // A number in a VARIANT (a role, a state, a child id).
    static VARIANT Number(LONG value);
    // The standard object of a window (its frame, caption and system menu), the parent of its client area's object.
    static HRESULT WindowObject(HWND window, IDispatch** parent);

  private:
    LONG references_ = 1;
};

}  // namespace zudav::win32
