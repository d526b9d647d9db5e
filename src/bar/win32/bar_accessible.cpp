#include "bar/win32/bar_accessible.h"

#include <string>

#include "bar/slot_geometry.h"

namespace zudav::win32 {
namespace {

// Child ids: CHILDID_SELF (0) is the bar, element e is child e + 1.
VARIANT ChildId(std::optional<int> element) {
    VARIANT id;
    VariantInit(&id);
    id.vt = VT_I4;
    id.lVal = element ? *element + 1 : CHILDID_SELF;
    return id;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

HRESULT BarAccessible::Child(const VARIANT& child, std::optional<int>& element) const {
    if (view_ == nullptr) {
        return RPC_E_DISCONNECTED;
    }
    if (child.vt != VT_I4 || child.lVal < CHILDID_SELF || child.lVal > kElementCount) {
        return E_INVALIDARG;
    }
    element = child.lVal == CHILDID_SELF ? std::nullopt : std::optional<int>(child.lVal - 1);
    return S_OK;
}

// The standard object of the bar's window (its frame, caption and system menu) holds the client area.
HRESULT BarAccessible::get_accParent(IDispatch** parent) {
    if (parent == nullptr) {
        return E_POINTER;
    }
    *parent = nullptr;
    return view_ == nullptr ? RPC_E_DISCONNECTED : WindowObject(view_->Window(), parent);
}

HRESULT BarAccessible::get_accChildCount(LONG* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = kElementCount;
    return view_ != nullptr ? S_OK : RPC_E_DISCONNECTED;
}

// The elements are simple children: the bar answers for them.
HRESULT BarAccessible::get_accChild(VARIANT child, IDispatch** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    std::optional<int> element;
    const HRESULT known = Child(child, element);
    return FAILED(known) ? known : element ? S_FALSE : E_INVALIDARG;
}

HRESULT BarAccessible::get_accName(VARIANT child, BSTR* name) {
    std::optional<int> element;
    if (const HRESULT known = Child(child, element); FAILED(known)) {
        return known;
    }
    return Text(element ? view_->Element(*element).name : WindowText(view_->Window()), name);
}

HRESULT BarAccessible::get_accValue(VARIANT child, BSTR* value) {
    std::optional<int> element;
    const HRESULT known = Child(child, element);
    return FAILED(known) ? known : Text(L"", value);
}

// A slot's state ("ouvert"), read after its name and its action.
HRESULT BarAccessible::get_accDescription(VARIANT child, BSTR* description) {
    std::optional<int> element;
    const HRESULT known = Child(child, element);
    if (FAILED(known)) {
        return known;
    }
    return Text(element ? view_->Element(*element).status : L"", description);
}

HRESULT BarAccessible::get_accRole(VARIANT child, VARIANT* role) {
    std::optional<int> element;
    if (const HRESULT known = Child(child, element); FAILED(known)) {
        return known;
    }
    if (role == nullptr) {
        return E_POINTER;
    }
    VariantInit(role);
    role->vt = VT_I4;
    role->lVal = !element                                                   ? ROLE_SYSTEM_TOOLBAR
                 : view_->Element(*element).role == ElementRole::MenuButton ? ROLE_SYSTEM_BUTTONMENU
                                                                            : ROLE_SYSTEM_PUSHBUTTON;
    return S_OK;
}

HRESULT BarAccessible::get_accState(VARIANT child, VARIANT* state) {
    std::optional<int> element;
    if (const HRESULT known = Child(child, element); FAILED(known)) {
        return known;
    }
    if (state == nullptr) {
        return E_POINTER;
    }
    VariantInit(state);
    state->vt = VT_I4;
    state->lVal = IsWindowVisible(view_->Window()) ? 0 : STATE_SYSTEM_INVISIBLE;
    if (!IsWindowEnabled(view_->Window())) {
        // A modal window of the bar is open: what the bar holds can be read, not pressed nor focused.
        state->lVal |= STATE_SYSTEM_UNAVAILABLE;
    } else if (element) {
        state->lVal |= STATE_SYSTEM_FOCUSABLE | (view_->KeyboardFocus() == element ? STATE_SYSTEM_FOCUSED : 0);
    }
    return S_OK;
}

HRESULT BarAccessible::get_accHelp(VARIANT child, BSTR* help) {
    std::optional<int> element;
    const HRESULT known = Child(child, element);
    return FAILED(known) ? known : Text(L"", help);
}

HRESULT BarAccessible::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
    if (topic != nullptr) {
        *topic = -1;
    }
    return Text(L"", file);
}

HRESULT BarAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    std::optional<int> element;
    const HRESULT known = Child(child, element);
    return FAILED(known) ? known : Text(L"", shortcut);
}

HRESULT BarAccessible::get_accFocus(VARIANT* child) {
    if (child == nullptr) {
        return E_POINTER;
    }
    VariantInit(child);
    if (view_ == nullptr) {
        return RPC_E_DISCONNECTED;
    }
    if (const auto focus = view_->KeyboardFocus()) {
        *child = ChildId(focus);
        return S_OK;
    }
    return S_FALSE;
}

HRESULT BarAccessible::get_accSelection(VARIANT* children) {
    if (children == nullptr) {
        return E_POINTER;
    }
    VariantInit(children);
    return view_ != nullptr ? S_FALSE : RPC_E_DISCONNECTED;
}

HRESULT BarAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    std::optional<int> element;
    const HRESULT known = Child(child, element);
    return FAILED(known) ? known : Text(element ? view_->Element(*element).defaultAction : L"", action);
}

HRESULT BarAccessible::accSelect(LONG flags, VARIANT child) {
    std::optional<int> element;
    if (const HRESULT known = Child(child, element); FAILED(known)) {
        return known;
    }
    if (!element || flags != SELFLAG_TAKEFOCUS) {
        return DISP_E_MEMBERNOTFOUND;  // nothing on the bar is selected, only focused
    }
    view_->FocusElement(*element);
    return S_OK;
}

HRESULT BarAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
    std::optional<int> element;
    if (const HRESULT known = Child(child, element); FAILED(known)) {
        return known;
    }
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
        return E_POINTER;
    }
    RECT place{};
    if (element) {
        place = view_->ElementPlace(*element);
    } else {
        GetClientRect(view_->Window(), &place);
    }
    MapWindowPoints(view_->Window(), HWND_DESKTOP, reinterpret_cast<POINT*>(&place), 2);
    *left = place.left;
    *top = place.top;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
}

HRESULT BarAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    std::optional<int> element;
    if (const HRESULT known = Child(start, element); FAILED(known)) {
        return known;
    }
    if (end == nullptr) {
        return E_POINTER;
    }
    VariantInit(end);
    std::optional<int> to;
    if (!element) {
        if (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD) {
            to = direction == NAVDIR_FIRSTCHILD ? kActionElement : kStopElement;
        }
    } else if (direction == NAVDIR_NEXT || direction == NAVDIR_RIGHT || direction == NAVDIR_DOWN) {
        to = *element + 1 < kElementCount ? std::optional<int>(*element + 1) : std::nullopt;
    } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_LEFT || direction == NAVDIR_UP) {
        to = *element > 0 ? std::optional<int>(*element - 1) : std::nullopt;
    }
    if (!to) {
        return S_FALSE;
    }
    *end = ChildId(to);
    return S_OK;
}

HRESULT BarAccessible::accHitTest(LONG left, LONG top, VARIANT* child) {
    if (child == nullptr) {
        return E_POINTER;
    }
    VariantInit(child);
    if (view_ == nullptr) {
        return RPC_E_DISCONNECTED;
    }
    POINT at{left, top};
    RECT client{};
    GetClientRect(view_->Window(), &client);
    if (!ScreenToClient(view_->Window(), &at) || !PtInRect(&client, at)) {
        return S_FALSE;
    }
    *child = ChildId(view_->ElementAt(at));
    return S_OK;
}

HRESULT BarAccessible::accDoDefaultAction(VARIANT child) {
    std::optional<int> element;
    if (const HRESULT known = Child(child, element); FAILED(known)) {
        return known;
    }
    if (!element || view_->Element(*element).defaultAction.empty()) {
        return DISP_E_MEMBERNOTFOUND;
    }
    view_->PostDefaultAction(*element);
    return S_OK;
}

}  // namespace zudav::win32
