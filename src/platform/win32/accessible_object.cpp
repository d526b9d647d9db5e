#include "platform/win32/accessible_object.h"

#include "platform/win32/system_dlls.h"

namespace zudav::win32 {
namespace {

constexpr wchar_t kOleacc[] = L"oleacc.dll";

}  // namespace

// From the interface's declaration: a program that also links oleacc's import library finds another IID_IAccessible.
LRESULT AccessibleObject::Answer(WPARAM wParam) {
    static const auto lresultFromObject = SystemFunction<decltype(::LresultFromObject)>(kOleacc, "LresultFromObject");
    const LRESULT result = lresultFromObject != nullptr ? lresultFromObject(__uuidof(IAccessible), wParam, this) : 0;
    return result > 0 ? result : 0;  // an error code is no answer
}

HRESULT AccessibleObject::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)
                  ? static_cast<IAccessible*>(this)
                  : nullptr;
    if (*object == nullptr) {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG AccessibleObject::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG AccessibleObject::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT AccessibleObject::Text(const std::wstring& text, BSTR* out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = nullptr;
    if (text.empty()) {
        return S_FALSE;
    }
    *out = SysAllocString(text.c_str());
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

VARIANT AccessibleObject::Number(LONG value) {
    VARIANT number;
    VariantInit(&number);
    number.vt = VT_I4;
    number.lVal = value;
    return number;
}

HRESULT AccessibleObject::WindowObject(HWND window, IDispatch** parent) {
    static const auto create =
        SystemFunction<decltype(::CreateStdAccessibleObject)>(kOleacc, "CreateStdAccessibleObject");
    return create != nullptr ? create(window, OBJID_WINDOW, IID_IDispatch, reinterpret_cast<void**>(parent)) : S_FALSE;
}

}  // namespace zudav::win32
