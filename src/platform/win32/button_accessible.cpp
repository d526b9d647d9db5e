#include "platform/win32/button_accessible.h"

#include <string>

namespace zudav::win32 {
HRESULT ButtonAccessible::Self(const VARIANT& child) const {
    if (control_ == nullptr) {
        return RPC_E_DISCONNECTED;
    }
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF ? S_OK : E_INVALIDARG;
}

// The standard object of the control's window holds its client area, and leads on to the window around it.
HRESULT ButtonAccessible::get_accParent(IDispatch** parent) {
    if (parent == nullptr) {
        return E_POINTER;
    }
    *parent = nullptr;
    return control_ == nullptr ? RPC_E_DISCONNECTED : WindowObject(control_, parent);
}

HRESULT ButtonAccessible::get_accChildCount(LONG* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return control_ == nullptr ? RPC_E_DISCONNECTED : S_OK;
}

HRESULT ButtonAccessible::get_accChild(VARIANT, IDispatch** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    return control_ == nullptr ? RPC_E_DISCONNECTED : E_INVALIDARG;
}

HRESULT ButtonAccessible::get_accName(VARIANT child, BSTR* name) {
    if (const HRESULT self = Self(child); FAILED(self)) {
        return self;
    }
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control_)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control_, text.data(), static_cast<int>(text.size()))));
    return Text(text, name);
}

HRESULT ButtonAccessible::get_accValue(VARIANT child, BSTR* value) {
    const HRESULT self = Self(child);
    return FAILED(self) ? self : Text(L"", value);
}

HRESULT ButtonAccessible::get_accDescription(VARIANT child, BSTR* description) {
    const HRESULT self = Self(child);
    return FAILED(self) ? self : Text(L"", description);
}

HRESULT ButtonAccessible::get_accRole(VARIANT child, VARIANT* role) {
    if (const HRESULT self = Self(child); FAILED(self)) {
        return self;
    }
    if (role == nullptr) {
        return E_POINTER;
    }
    *role = Number(ROLE_SYSTEM_PUSHBUTTON);
    return S_OK;
}

HRESULT ButtonAccessible::get_accState(VARIANT child, VARIANT* state) {
    if (const HRESULT self = Self(child); FAILED(self)) {
        return self;
    }
    if (state == nullptr) {
        return E_POINTER;
    }
    LONG flags = IsWindowVisible(control_) ? 0 : STATE_SYSTEM_INVISIBLE;
    if (!IsWindowEnabled(control_) || !IsWindowEnabled(GetAncestor(control_, GA_ROOT))) {
        flags |= STATE_SYSTEM_UNAVAILABLE;
    } else {
        flags |= STATE_SYSTEM_FOCUSABLE | (GetFocus() == control_ ? STATE_SYSTEM_FOCUSED : 0);
    }
    *state = Number(flags);
    return S_OK;
}

HRESULT ButtonAccessible::get_accHelp(VARIANT child, BSTR* help) {
    const HRESULT self = Self(child);
    return FAILED(self) ? self : Text(L"", help);
}

HRESULT ButtonAccessible::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
    if (topic != nullptr) {
        *topic = -1;
    }
    const HRESULT self = Self(child);
    return FAILED(self) ? self : Text(L"", file);
}

HRESULT ButtonAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    const HRESULT self = Self(child);
    return FAILED(self) ? self : Text(L"", shortcut);
}

HRESULT ButtonAccessible::get_accFocus(VARIANT* child) {
    if (child == nullptr) {
        return E_POINTER;
    }
    VariantInit(child);
    if (control_ == nullptr) {
        return RPC_E_DISCONNECTED;
    }
    if (GetFocus() != control_) {
        return S_FALSE;
    }
    *child = Number(CHILDID_SELF);
    return S_OK;
}

HRESULT ButtonAccessible::get_accSelection(VARIANT* children) {
    if (children == nullptr) {
        return E_POINTER;
    }
    VariantInit(children);
    return control_ == nullptr ? RPC_E_DISCONNECTED : S_FALSE;
}

HRESULT ButtonAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    const HRESULT self = Self(child);
    return FAILED(self) ? self : Text(L"Appuyer", action);
}

HRESULT ButtonAccessible::accSelect(LONG flags, VARIANT child) {
    if (const HRESULT self = Self(child); FAILED(self)) {
        return self;
    }
    if (flags != SELFLAG_TAKEFOCUS) {
        return E_INVALIDARG;
    }
    SetFocus(control_);
    return S_OK;
}

HRESULT ButtonAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
    if (const HRESULT self = Self(child); FAILED(self)) {
        return self;
    }
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
        return E_POINTER;
    }
    RECT place{};
    GetWindowRect(control_, &place);
    *left = place.left;
    *top = place.top;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
}

HRESULT ButtonAccessible::accNavigate(LONG, VARIANT start, VARIANT* end) {
    if (end == nullptr) {
        return E_POINTER;
    }
    VariantInit(end);
    const HRESULT self = Self(start);
    return FAILED(self) ? self : S_FALSE;  // the window's standard object leads to its siblings
}

HRESULT ButtonAccessible::accHitTest(LONG left, LONG top, VARIANT* child) {
    if (child == nullptr) {
        return E_POINTER;
    }
    VariantInit(child);
    if (control_ == nullptr) {
        return RPC_E_DISCONNECTED;
    }
    RECT place{};
    GetWindowRect(control_, &place);
    if (!PtInRect(&place, POINT{left, top})) {
        return S_FALSE;
    }
    *child = Number(CHILDID_SELF);
    return S_OK;
}

// Posted, so that the reader's call returns before what the press opens (a file dialog, a browser).
HRESULT ButtonAccessible::accDoDefaultAction(VARIANT child) {
    if (const HRESULT self = Self(child); FAILED(self)) {
        return self;
    }
    if (!IsWindowEnabled(control_) || !IsWindowEnabled(GetAncestor(control_, GA_ROOT))) {
        return E_FAIL;
    }
    PostMessageW(control_, BM_CLICK, 0, 0);
    return S_OK;
}

}  // namespace zudav::win32
