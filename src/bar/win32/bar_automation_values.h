// What the UI Automation providers of the bar and of its elements share: the answer of an element that is gone, the
// values of properties, the places on the screen and the references handed to clients.
#pragma once

#include "platform/win32/ui_automation.h"
// After ui_automation.h, which includes windows.h.
#include <string>

#include "bar/accessible_names.h"

namespace zudav::win32 {

const HRESULT kGone = static_cast<HRESULT>(UIA_E_ELEMENTNOTAVAILABLE);

inline HRESULT Number(VARIANT* value, int number) {
    value->vt = VT_I4;
    value->lVal = number;
    return S_OK;
}

inline HRESULT Flag(VARIANT* value, bool flag) {
    value->vt = VT_BOOL;
    value->boolVal = flag ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

inline HRESULT Text(VARIANT* value, const std::wstring& text) {
    value->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (value->bstrVal == nullptr) {
        return E_OUTOFMEMORY;
    }
    value->vt = VT_BSTR;
    return S_OK;
}

inline int ControlTypeId(ControlType type) {
    return type == ControlType::ToolBar ? UIA_ToolBarControlTypeId : UIA_ButtonControlTypeId;
}

// A rectangle of the window's client area on the screen, in physical pixels (the bar is aware of its monitor's DPI).
inline UiaRect OnScreen(HWND window, RECT place) {
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&place), 2);
    return {static_cast<double>(place.left), static_cast<double>(place.top),
            static_cast<double>(place.right - place.left), static_cast<double>(place.bottom - place.top)};
}

template <typename Interface, typename Object>
HRESULT Hand(Object* object, Interface** out) {
    *out = object;
    if (object != nullptr) {
        object->AddRef();
    }
    return S_OK;
}

}  // namespace zudav::win32
