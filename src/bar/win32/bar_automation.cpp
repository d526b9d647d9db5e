#include "bar/win32/bar_automation.h"

#include <cmath>

#include "platform/win32/system_dlls.h"

namespace zudav::win32 {
namespace {

constexpr wchar_t kCore[] = L"uiautomationcore.dll";
const HRESULT kGone = static_cast<HRESULT>(UIA_E_ELEMENTNOTAVAILABLE);

// uiautomationcore's functions, looked up once. Notifications came with Windows 10 1709; Windows 7 cannot disconnect
// a provider.
struct Core {
    decltype(::UiaReturnRawElementProvider)* returnProvider;
    decltype(::UiaHostProviderFromHwnd)* hostProvider;
    decltype(::UiaClientsAreListening)* listening;
    decltype(::UiaRaiseAutomationEvent)* raiseEvent;
    decltype(::UiaRaiseStructureChangedEvent)* raiseStructureChanged;
    decltype(::UiaRaiseNotificationEvent)* raiseNotification;
    decltype(::UiaDisconnectProvider)* disconnect;
};

const Core& Uia() {
    static const Core core{
        SystemFunction<decltype(::UiaReturnRawElementProvider)>(kCore, "UiaReturnRawElementProvider"),
        SystemFunction<decltype(::UiaHostProviderFromHwnd)>(kCore, "UiaHostProviderFromHwnd"),
        SystemFunction<decltype(::UiaClientsAreListening)>(kCore, "UiaClientsAreListening"),
        SystemFunction<decltype(::UiaRaiseAutomationEvent)>(kCore, "UiaRaiseAutomationEvent"),
        SystemFunction<decltype(::UiaRaiseStructureChangedEvent)>(kCore, "UiaRaiseStructureChangedEvent"),
        SystemFunction<decltype(::UiaRaiseNotificationEvent)>(kCore, "UiaRaiseNotificationEvent"),
        SystemFunction<decltype(::UiaDisconnectProvider)>(kCore, "UiaDisconnectProvider")};
    return core;
}

bool Listening() {
    return Uia().listening != nullptr && Uia().listening() != FALSE;
}

// A BSTR owned until the end of the scope.
class Bstr {
  public:
    explicit Bstr(const std::wstring& text) : text_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(text_); }
    BSTR Get() const { return text_; }

  private:
    BSTR text_;
};

HRESULT Number(VARIANT* value, int number) {
    value->vt = VT_I4;
    value->lVal = number;
    return S_OK;
}

HRESULT Flag(VARIANT* value, bool flag) {
    value->vt = VT_BOOL;
    value->boolVal = flag ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT Text(VARIANT* value, const std::wstring& text) {
    value->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (value->bstrVal == nullptr) {
        return E_OUTOFMEMORY;
    }
    value->vt = VT_BSTR;
    return S_OK;
}

int ControlTypeId(ControlType type) {
    return type == ControlType::ToolBar ? UIA_ToolBarControlTypeId : UIA_ButtonControlTypeId;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Stays the same from one run to the next, for scripts that find the elements: "Action", "Slot0".."Slot12" (the
// slots numbered as their settings are), "Stop".
std::wstring AutomationId(int element) {
    if (const auto slot = SlotOf(element)) {
        return L"Slot" + std::to_wstring(*slot);
    }
    return element == kActionElement ? L"Action" : L"Stop";
}

// A rectangle of the window's client area on the screen, in physical pixels (the bar is aware of its monitor's DPI).
UiaRect OnScreen(HWND window, RECT place) {
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

}  // namespace

// ---- The elements ----

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
    if (!view->MenuOpen()) {
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
    if (!view->MenuOpen()) {
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
    *state = view != nullptr && view->MenuOpen() ? ExpandCollapseState_Expanded : ExpandCollapseState_Collapsed;
    return view != nullptr ? S_OK : kGone;
}

// ---- The bar ----

BarAutomation* BarAutomation::Make(AccessibleBarView& view) {
    return Uia().returnProvider != nullptr && Uia().hostProvider != nullptr ? new BarAutomation(view) : nullptr;
}

BarAutomation::BarAutomation(AccessibleBarView& view) : view_(&view) {
    for (int element = 0; element < kElementCount; ++element) {
        elements_[static_cast<size_t>(element)].Reset(new BarAutomationElement(*this, element));
    }
}

void BarAutomation::Detach() {
    if (view_ == nullptr) {
        return;
    }
    if (Uia().disconnect != nullptr) {
        for (auto& element : elements_) {
            Uia().disconnect(element.Get());
        }
        Uia().disconnect(this);
    }
    Uia().returnProvider(view_->Window(), 0, 0, nullptr);  // and forgets that the window had a provider
    for (auto& element : elements_) {
        element.Get()->Detach();
        element.Reset();
    }
    view_ = nullptr;
}

LRESULT BarAutomation::Answer(WPARAM wParam, LPARAM lParam) {
    return view_ != nullptr ? Uia().returnProvider(view_->Window(), wParam, lParam, this) : 0;
}

void BarAutomation::RaiseFocusChanged(int element) {
    if (view_ != nullptr && Uia().raiseEvent != nullptr && Listening()) {
        Uia().raiseEvent(elements_[static_cast<size_t>(element)].Get(), UIA_AutomationFocusChangedEventId);
    }
}

void BarAutomation::RaiseChildrenInvalidated() {
    if (view_ != nullptr && Uia().raiseStructureChanged != nullptr && Listening()) {
        Uia().raiseStructureChanged(this, StructureChangeType_ChildrenInvalidated, nullptr, 0);
    }
}

void BarAutomation::Announce(const std::wstring& text) {
    if (view_ != nullptr && Uia().raiseNotification != nullptr && Listening()) {
        const Bstr said(text), activity(L"Zudav.Announce");
        Uia().raiseNotification(this, NotificationKind_Other, NotificationProcessing_ImportantMostRecent, said.Get(),
                                activity.Get());
    }
}

IRawElementProviderFragment* BarAutomation::Element(int element) {
    if (view_ == nullptr || element < 0 || element >= kElementCount) {
        return nullptr;
    }
    IRawElementProviderFragment* fragment = nullptr;
    Hand(static_cast<IRawElementProviderFragment*>(elements_[static_cast<size_t>(element)].Get()), &fragment);
    return fragment;
}

HRESULT BarAutomation::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (iid == IID_IUnknown || iid == __uuidof(IRawElementProviderSimple)) {
        *object = static_cast<IRawElementProviderSimple*>(this);
    } else if (iid == __uuidof(IRawElementProviderFragment)) {
        *object = static_cast<IRawElementProviderFragment*>(this);
    } else if (iid == __uuidof(IRawElementProviderFragmentRoot)) {
        *object = static_cast<IRawElementProviderFragmentRoot*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG BarAutomation::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG BarAutomation::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT BarAutomation::get_ProviderOptions(ProviderOptions* options) {
    if (options == nullptr) {
        return E_POINTER;
    }
    *options = static_cast<ProviderOptions>(ProviderOptions_ServerSideProvider | ProviderOptions_UseComThreading);
    return view_ != nullptr ? S_OK : kGone;
}

HRESULT BarAutomation::GetPatternProvider(PATTERNID, IUnknown** provider) {
    if (provider == nullptr) {
        return E_POINTER;
    }
    *provider = nullptr;
    return view_ != nullptr ? S_OK : kGone;
}

HRESULT BarAutomation::GetPropertyValue(PROPERTYID property, VARIANT* value) {
    if (value == nullptr) {
        return E_POINTER;
    }
    VariantInit(value);
    if (view_ == nullptr) {
        return kGone;
    }
    switch (property) {
        case UIA_ControlTypePropertyId:
            return Number(value, ControlTypeId(kBarControlType));
        case UIA_NamePropertyId:
            return Text(value, WindowText(view_->Window()));
        case UIA_IsEnabledPropertyId:
            return Flag(value, IsWindowEnabled(view_->Window()) != FALSE);
        default:
            return S_OK;  // the window's own provider answers the rest
    }
}

HRESULT BarAutomation::get_HostRawElementProvider(IRawElementProviderSimple** host) {
    if (host == nullptr) {
        return E_POINTER;
    }
    *host = nullptr;
    return view_ != nullptr ? Uia().hostProvider(view_->Window(), host) : kGone;
}

HRESULT BarAutomation::Navigate(NavigateDirection direction, IRawElementProviderFragment** to) {
    if (to == nullptr) {
        return E_POINTER;
    }
    *to = nullptr;
    if (view_ == nullptr) {
        return kGone;
    }
    if (direction == NavigateDirection_FirstChild || direction == NavigateDirection_LastChild) {
        *to = Element(direction == NavigateDirection_FirstChild ? kActionElement : kStopElement);
    }
    return S_OK;  // the window's own provider knows the bar's parent and siblings
}

HRESULT BarAutomation::GetRuntimeId(SAFEARRAY** id) {
    if (id == nullptr) {
        return E_POINTER;
    }
    *id = nullptr;  // the window's own
    return view_ != nullptr ? S_OK : kGone;
}

HRESULT BarAutomation::get_BoundingRectangle(UiaRect* place) {
    if (place == nullptr) {
        return E_POINTER;
    }
    *place = {};
    if (view_ == nullptr) {
        return kGone;
    }
    RECT client{};
    GetClientRect(view_->Window(), &client);
    *place = OnScreen(view_->Window(), client);
    return S_OK;
}

HRESULT BarAutomation::GetEmbeddedFragmentRoots(SAFEARRAY** roots) {
    if (roots == nullptr) {
        return E_POINTER;
    }
    *roots = nullptr;
    return view_ != nullptr ? S_OK : kGone;
}

HRESULT BarAutomation::SetFocus() {
    if (view_ == nullptr) {
        return kGone;
    }
    ::SetFocus(view_->Window());
    return S_OK;
}

HRESULT BarAutomation::get_FragmentRoot(IRawElementProviderFragmentRoot** root) {
    if (root == nullptr) {
        return E_POINTER;
    }
    *root = nullptr;
    return view_ != nullptr ? Hand(static_cast<IRawElementProviderFragmentRoot*>(this), root) : kGone;
}

// A point of the screen in physical pixels: the element there, the bar itself on its background, else none.
HRESULT BarAutomation::ElementProviderFromPoint(double x, double y, IRawElementProviderFragment** at) {
    if (at == nullptr) {
        return E_POINTER;
    }
    *at = nullptr;
    if (view_ == nullptr) {
        return kGone;
    }
    POINT point{std::lround(x), std::lround(y)};
    RECT client{};
    GetClientRect(view_->Window(), &client);
    if (!ScreenToClient(view_->Window(), &point) || !PtInRect(&client, point)) {
        return S_OK;
    }
    if (const auto element = view_->ElementAt(point)) {
        *at = Element(*element);
        return S_OK;
    }
    return Hand(static_cast<IRawElementProviderFragment*>(this), at);
}

HRESULT BarAutomation::GetFocus(IRawElementProviderFragment** focus) {
    if (focus == nullptr) {
        return E_POINTER;
    }
    *focus = nullptr;
    if (view_ == nullptr) {
        return kGone;
    }
    if (const auto element = view_->KeyboardFocus()) {
        *focus = Element(*element);
    }
    return S_OK;
}

}  // namespace zudav::win32
