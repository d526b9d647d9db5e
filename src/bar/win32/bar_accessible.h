// The bar as screen readers see it (MSAA, answered to WM_GETOBJECT for the client area): a tool bar whose children are
// "Action" (a menu button), the thirteen slots and "Arrêter" (push buttons), each with its name, role, state, place on
// the screen and default action; hit-testing, navigation and the keyboard's focus.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <oleacc.h>

#include <optional>

#include "bar/accessible_names.h"

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
    // Whether the menu that "Action" opens is open now.
    virtual bool MenuOpen() const = 0;

  protected:
    ~AccessibleBarView() = default;
};

// Hand-written COM objects stay out of anonymous namespaces: GCC miscompiles calls through them otherwise.
class BarAccessible final : public IAccessible {
  public:
    // One reference, the caller's.
    explicit BarAccessible(AccessibleBarView& view) : view_(&view) {}
    BarAccessible(const BarAccessible&) = delete;
    BarAccessible& operator=(const BarAccessible&) = delete;

    // The window is going: a screen reader that still holds the object gets RPC_E_DISCONNECTED.
    void Detach() { view_ = nullptr; }
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
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    ~BarAccessible() = default;
    // The element a child id stands for, in `element` (none: the bar itself); an error for an id that is none.
    HRESULT Child(const VARIANT& child, std::optional<int>& element) const;

    LONG references_ = 1;
    AccessibleBarView* view_;
};

}  // namespace zudav::win32
