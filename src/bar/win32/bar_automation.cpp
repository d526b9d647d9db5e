// The UI Automation provider of the bar, the root of its elements' fragment, and the events it raises for them.
#include "bar/win32/bar_automation.h"

#include <cmath>

#include "bar/win32/bar_automation_values.h"
#include "platform/win32/system_dlls.h"

namespace zudav::win32 {
namespace {

constexpr wchar_t kCore[] = L"uiautomationcore.dll";

// uiautomationcore's functions, looked up once. Notifications came with Windows 10 1709; Windows 7 cannot disconnect
// a provider.
struct Core {
    decltype(::UiaReturnRawElementProvider)* returnProvider;
    decltype(::UiaHostProviderFromHwnd)* hostProvider;
    decltype(::UiaClientsAreListening)* listening;
    decltype(::UiaRaiseAutomationEvent)* raiseEvent;
    decltype(::UiaRaiseStructureChangedEvent)* raiseStructureChanged;
    decltype(::UiaRaiseNotificationEvent)* raiseNotification;
    // As documented; the headers here do not declare it.
    HRESULT(WINAPI* raisePropertyChanged)(IRawElementProviderSimple*, PROPERTYID, VARIANT, VARIANT);
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
        SystemFunction<HRESULT WINAPI(IRawElementProviderSimple*, PROPERTYID, VARIANT, VARIANT)>(
            kCore, "UiaRaiseAutomationPropertyChangedEvent"),
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

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

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

void BarAutomation::RaiseStatusChanged(int element, const std::wstring& before, const std::wstring& now) {
    if (view_ == nullptr || Uia().raisePropertyChanged == nullptr || !Listening()) {
        return;
    }
    const Bstr oldText(before), newText(now);
    VARIANT oldValue, newValue;
    VariantInit(&oldValue);
    VariantInit(&newValue);
    oldValue.vt = newValue.vt = VT_BSTR;
    oldValue.bstrVal = oldText.Get();
    newValue.bstrVal = newText.Get();
    Uia().raisePropertyChanged(elements_[static_cast<size_t>(element)].Get(), UIA_ItemStatusPropertyId, oldValue,
                               newValue);
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
