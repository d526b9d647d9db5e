// The bar as UI Automation sees it: a tool bar named by the bar's caption, the root of a fragment whose fifteen
// children are "Action" (a button that opens the menu "Fichier": expand/collapse), the thirteen slots and "Arrêter"
// (buttons that act: invoke), each with its name, help text, place among the slots, state and place on the screen,
// read from the same description as the MSAA object (bar/accessible_names.h). Answered to WM_GETOBJECT for
// UiaRootObjectId; uiautomationcore.dll is loaded from the system folder when first needed, and a system without it
// keeps the MSAA object only.
#pragma once

#include "platform/win32/ui_automation.h"
// After ui_automation.h, which includes windows.h.
#include <array>
#include <string>

#include "bar/slot_geometry.h"
#include "bar/win32/bar_accessible.h"
#include "platform/win32/handles.h"

namespace zudav::win32 {

class BarAutomation;

// One element of the bar. Hand-written COM objects stay out of anonymous namespaces: GCC miscompiles calls through
// them otherwise.
class BarAutomationElement final : public IRawElementProviderSimple,
                                   public IRawElementProviderFragment,
                                   public IInvokeProvider,
                                   public IExpandCollapseProvider {
  public:
    // One reference, the caller's.
    BarAutomationElement(BarAutomation& root, int element) : root_(&root), element_(element) {}
    BarAutomationElement(const BarAutomationElement&) = delete;
    BarAutomationElement& operator=(const BarAutomationElement&) = delete;

    // The window is going: every call answers UIA_E_ELEMENTNOTAVAILABLE from now on.
    void Detach() { root_ = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override;
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID pattern, IUnknown** provider) override;
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* value) override;
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override;

    HRESULT STDMETHODCALLTYPE Navigate(NavigateDirection direction, IRawElementProviderFragment** to) override;
    HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY** id) override;
    HRESULT STDMETHODCALLTYPE get_BoundingRectangle(UiaRect* place) override;
    HRESULT STDMETHODCALLTYPE GetEmbeddedFragmentRoots(SAFEARRAY** roots) override;
    HRESULT STDMETHODCALLTYPE SetFocus() override;
    HRESULT STDMETHODCALLTYPE get_FragmentRoot(IRawElementProviderFragmentRoot** root) override;

    HRESULT STDMETHODCALLTYPE Invoke() override;

    HRESULT STDMETHODCALLTYPE Expand() override;
    HRESULT STDMETHODCALLTYPE Collapse() override;
    HRESULT STDMETHODCALLTYPE get_ExpandCollapseState(ExpandCollapseState* state) override;

  private:
    ~BarAutomationElement() = default;
    // The view while the window lives, else nullptr.
    AccessibleBarView* View() const;
    bool Has(ElementPattern pattern) const;

    LONG references_ = 1;
    BarAutomation* root_;  // holds this element until it is detached
    int element_;
};

class BarAutomation final : public IRawElementProviderSimple,
                            public IRawElementProviderFragment,
                            public IRawElementProviderFragmentRoot {
  public:
    // One reference, the caller's; nullptr when the system has no UI Automation.
    static BarAutomation* Make(AccessibleBarView& view);
    BarAutomation(const BarAutomation&) = delete;
    BarAutomation& operator=(const BarAutomation&) = delete;

    // The window is going: UI Automation lets go of the bar and its elements, which answer UIA_E_ELEMENTNOTAVAILABLE
    // to a client that still holds them.
    void Detach();
    // The answer to WM_GETOBJECT for UiaRootObjectId.
    LRESULT Answer(WPARAM wParam, LPARAM lParam);

    // Events for the clients that listen: the keyboard's focus is on an element; what the slots hold changed; a
    // sentence to say (nothing before Windows 10 1709, which has no notifications).
    void RaiseFocusChanged(int element);
    void RaiseChildrenInvalidated();
    // A slot's program started running, or stopped ("ouvert", or nothing).
    void RaiseStatusChanged(int element, const std::wstring& before, const std::wstring& now);
    void Announce(const std::wstring& text);

    AccessibleBarView* View() const { return view_; }
    // Element `element`, with one reference for the caller, or nullptr once detached.
    IRawElementProviderFragment* Element(int element);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override;
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID pattern, IUnknown** provider) override;
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* value) override;
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override;

    HRESULT STDMETHODCALLTYPE Navigate(NavigateDirection direction, IRawElementProviderFragment** to) override;
    HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY** id) override;
    HRESULT STDMETHODCALLTYPE get_BoundingRectangle(UiaRect* place) override;
    HRESULT STDMETHODCALLTYPE GetEmbeddedFragmentRoots(SAFEARRAY** roots) override;
    HRESULT STDMETHODCALLTYPE SetFocus() override;
    HRESULT STDMETHODCALLTYPE get_FragmentRoot(IRawElementProviderFragmentRoot** root) override;

    HRESULT STDMETHODCALLTYPE ElementProviderFromPoint(double x, double y, IRawElementProviderFragment** at) override;
    HRESULT STDMETHODCALLTYPE GetFocus(IRawElementProviderFragment** focus) override;

  private:
    explicit BarAutomation(AccessibleBarView& view);
    ~BarAutomation() = default;

    LONG references_ = 1;
    AccessibleBarView* view_;
    std::array<UniqueCom<BarAutomationElement>, kElementCount> elements_;
};

}  // namespace zudav::win32
