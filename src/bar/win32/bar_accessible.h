// The bar as screen readers see it (MSAA, answered to WM_GETOBJECT for the client area): a tool bar whose children are
// "Action" (a menu button), the thirteen slots and "Arrêter" (push buttons), each with its name, role, state, place on
// the screen and default action; hit-testing, navigation and the keyboard's focus.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <oleacc.h>

#include <optional>

#include "bar/accessible_names.h"
#include "platform/win32/accessible_object.h"

namespace zudav::win32 {

// What the accessible object asks of the bar's view. Elements are numbered as in bar/slot_geometry.h.
class AccessibleBarView {
  public:
    virtual HWND Window() const = 0;
    virtual AccessibleElement Element(int element) const = 0;
    // In pixels of the client area.
    virtual RECT ElementPlace(int element) const = 0;
    virtual std::optional<int> ElementAt(POINT client) const = 0;
    // The element that the keyboard acts on, while the window has the keyboard's focus.
    virtual std::optional<int> KeyboardFocus() const = 0;
    virtual void FocusElement(int element) = 0;
    // Does the element's default action once the screen reader's call has returned, as a click would.
    virtual void PostDefaultAction(int element) = 0;
    // Whether the menu that the element opens ("Action"'s, a folder's slot's) is open now.
    virtual bool MenuOpen(int element) const = 0;

  protected:
    ~AccessibleBarView() = default;
};

class BarAccessible final : public AccessibleObject {
  public:
    // One reference, the caller's.
    explicit BarAccessible(AccessibleBarView& view) : view_(&view) {}

    // The window is going: a screen reader that still holds the object gets RPC_E_DISCONNECTED.
    void Detach() { view_ = nullptr; }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;

  private:
    ~BarAccessible() override = default;
    // The element a child id stands for, in `element` (none: the bar itself); an error for an id that is none.
    HRESULT Child(const VARIANT& child, std::optional<int>& element) const;

    AccessibleBarView* view_;
};

}  // namespace zudav::win32
