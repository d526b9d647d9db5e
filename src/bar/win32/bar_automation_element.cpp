// The UI Automation providers of the bar's elements: "Action", the thirteen slots and "Arrêter".
#include "bar/win32/bar_automation.h"

#include <string>

#include "bar/settings/conversions.h"
#include "bar/win32/bar_automation_values.h"

namespace zudav::win32 {
namespace {

// Stays the same from one run to the next, for scripts that find the elements: "Action", "Slot0".."Slot12" (the
// slots numbered as their settings are), "Stop".
std::wstring AutomationId(int element) {
    if (const auto slot = SlotOf(element)) {
        return L"Slot" + IntegerToText(*slot);
    }
    return element == kActionElement ? L"Action" : L"Stop";
}

}  // namespace

AccessibleBarView* BarAutomationElement::View() const {
    return root_ != nullptr ? root_->View() : nullptr;
}

bool BarAutomationElement::Has(ElementPattern pattern) const {
    const AccessibleBarView* view = View();
    return view != nullptr && view->Element(element_).pattern == pattern;
}

HRESULT BarAutomationElement::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (iid == IID_IUnknown || iid == __uuidof(IRawElementProviderSimple)) {
        *object = static_cast<IRawElementProviderSimple*>(this);
    } else if (iid == __uuidof(IRawElementProviderFragment)) {
        *object = static_cast<IRawElementProviderFragment*>(this);
    } else if (iid == __uuidof(IInvokeProvider) && Has(ElementPattern::Invoke)) {
        *object = static_cast<IInvokeProvider*>(this);
    } else if (iid == __uuidof(IExpandCollapseProvider) && Has(ElementPattern::ExpandCollapse)) {
        *object = static_cast<IExpandCollapseProvider*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG BarAutomationElement::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG BarAutomationElement::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT BarAutomationElement::get_ProviderOptions(ProviderOptions* options) {
    if (options == nullptr) {
        return E_POINTER;
    }
    *options = static_cast<ProviderOptions>(ProviderOptions_ServerSideProvider | ProviderOptions_UseComThreading);
    return View() != nullptr ? S_OK : kGone;
}

HRESULT BarAutomationElement::GetPatternProvider(PATTERNID pattern, IUnknown** provider) {
    if (provider == nullptr) {
        return E_POINTER;
    }
    *provider = nullptr;
    if (View() == nullptr) {
        return kGone;
    }
    if ((pattern == UIA_InvokePatternId && Has(ElementPattern::Invoke))) {
        return Hand(static_cast<IInvokeProvider*>(this), provider);
    }
    if (pattern == UIA_ExpandCollapsePatternId && Has(ElementPattern::ExpandCollapse)) {
        return Hand(static_cast<IExpandCollapseProvider*>(this), provider);
    }
    return S_OK;
}

HRESULT BarAutomationElement::GetPropertyValue(PROPERTYID property, VARIANT* value) {
    if (value == nullptr) {
        return E_POINTER;
    }
    VariantInit(value);
    const AccessibleBarView* view = View();
    if (view == nullptr) {
        return kGone;
    }
    const AccessibleElement described = view->Element(element_);
    switch (property) {
        case UIA_ControlTypePropertyId:
            return Number(value, ControlTypeId(described.controlType));
        case UIA_NamePropertyId:
            return Text(value, described.name);
        case UIA_ItemStatusPropertyId:
            return described.status.empty() ? S_OK : Text(value, described.status);
        case UIA_HelpTextPropertyId:
            return described.help.empty() ? S_OK : Text(value, described.help);
        case UIA_PositionInSetPropertyId:
            return described.positionInSet > 0 ? Number(value, described.positionInSet) : S_OK;
        case UIA_SizeOfSetPropertyId:
            return described.sizeOfSet > 0 ? Number(value, described.sizeOfSet) : S_OK;
        case UIA_IsEnabledPropertyId:
            return Flag(value, described.enabled);
        case UIA_IsKeyboardFocusablePropertyId:
            return Flag(value, true);
        case UIA_HasKeyboardFocusPropertyId:
            return Flag(value, view->KeyboardFocus() == element_);
        case UIA_AutomationIdPropertyId:
            return Text(value, AutomationId(element_));
        default:
            return S_OK;  // empty: UI Automation answers from its defaults
    }
}

HRESULT BarAutomationElement::get_HostRawElementProvider(IRawElementProviderSimple** host) {
    if (host == nullptr) {
        return E_POINTER;
    }
    *host = nullptr;  // drawn by the bar: no window of its own
    return View() != nullptr ? S_OK : kGone;
}

HRESULT BarAutomationElement::Navigate(NavigateDirection direction, IRawElementProviderFragment** to) {
    if (to == nullptr) {
        return E_POINTER;
    }
    *to = nullptr;
    if (View() == nullptr) {
        return kGone;
    }
    switch (direction) {
        case NavigateDirection_Parent:
            return Hand(static_cast<IRawElementProviderFragment*>(root_), to);
        case NavigateDirection_NextSibling:
            *to = element_ + 1 < kElementCount ? root_->Element(element_ + 1) : nullptr;
            return S_OK;
        case NavigateDirection_PreviousSibling:
            *to = element_ > 0 ? root_->Element(element_ - 1) : nullptr;
            return S_OK;
        default:
            return S_OK;  // no children
    }
}

HRESULT BarAutomationElement::GetRuntimeId(SAFEARRAY** id) {
    if (id == nullptr) {
        return E_POINTER;
    }
    *id = nullptr;
    if (View() == nullptr) {
        return kGone;
    }
    *id = SafeArrayCreateVector(VT_I4, 0, 2);
    if (*id == nullptr) {
        return E_OUTOFMEMORY;
    }
    int parts[] = {UiaAppendRuntimeId, element_};  // unique within the bar's window, whose id UIA puts first
    for (LONG i = 0; i < 2; ++i) {
        SafeArrayPutElement(*id, &i, &parts[i]);
    }
    return S_OK;
}

HRESULT BarAutomationElement::get_BoundingRectangle(UiaRect* place) {
    if (place == nullptr) {
        return E_POINTER;
    }
    *place = {};
    const AccessibleBarView* view = View();
    if (view == nullptr) {
        return kGone;
    }
    *place = OnScreen(view->Window(), view->ElementPlace(element_));
    return S_OK;
}

HRESULT BarAutomationElement::GetEmbeddedFragmentRoots(SAFEARRAY** roots) {
    if (roots == nullptr) {
        return E_POINTER;
    }
    *roots = nullptr;
    return View() != nullptr ? S_OK : kGone;
}

HRESULT BarAutomationElement::SetFocus() {
    AccessibleBarView* view = View();
    if (view == nullptr) {
        return kGone;
    }
    view->FocusElement(element_);
    return S_OK;
}

HRESULT BarAutomationElement::get_FragmentRoot(IRawElementProviderFragmentRoot** root) {
    if (root == nullptr) {
        return E_POINTER;
    }
    *root = nullptr;
    if (View() == nullptr) {
        return kGone;
    }
    return Hand(static_cast<IRawElementProviderFragmentRoot*>(root_), root);
}

// As a click: the element acts once the client's call has returned (a launch or a menu must not hold it).
HRESULT BarAutomationElement::Invoke() {
    AccessibleBarView* view = View();
    if (view == nullptr) {
        return kGone;
    }
    view->PostDefaultAction(element_);  // under a modal window, the bar brings that window forward instead
    return view->Element(element_).enabled ? S_OK : static_cast<HRESULT>(UIA_E_ELEMENTNOTENABLED);
}

HRESULT BarAutomationElement::Expand() {
    AccessibleBarView* view = View();
    if (view == nullptr) {
        return kGone;
    }
    if (!view->Element(element_).enabled) {
        view->PostDefaultAction(element_);  // brings the modal window forward
        return static_cast<HRESULT>(UIA_E_ELEMENTNOTENABLED);
    }
    if (!view->MenuOpen(element_)) {
        view->PostDefaultAction(element_);
    }
    return S_OK;
}

// The menu closes as menus do (Escape, a click elsewhere); a client may close it too.
HRESULT BarAutomationElement::Collapse() {
    const AccessibleBarView* view = View();
    if (view == nullptr) {
        return kGone;
    }
    if (!view->MenuOpen(element_)) {
        return static_cast<HRESULT>(UIA_E_INVALIDOPERATION);
    }
    EndMenu();
    return S_OK;
}

HRESULT BarAutomationElement::get_ExpandCollapseState(ExpandCollapseState* state) {
    if (state == nullptr) {
        return E_POINTER;
    }
    const AccessibleBarView* view = View();
    *state = view != nullptr && view->MenuOpen(element_) ? ExpandCollapseState_Expanded : ExpandCollapseState_Collapsed;
    return view != nullptr ? S_OK : kGone;
}

}  // namespace zudav::win32
