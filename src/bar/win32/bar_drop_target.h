// The bar window as a target of OLE drag and drop: decodes a drag of files (the point under the pointer, the CF_HDROP
// list) or, without such a list, of a shell item (the first of a "Shell IDList Array": an app dragged from the Start
// menu) into calls on the bar's logic, shows its answer as the drag's effect, and has the drop acted on once the
// program the drag came from has been let go.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <ole2.h>

#include <optional>

#include "bar/principal.h"

namespace zudav::win32 {

class BarDropTarget final : public IDropTarget {
  public:
    // One reference, the caller's. window: the bar, to which kAfterDropMessage is posted after a drop.
    BarDropTarget(HWND window, Principal& principal) : window_(window), principal_(&principal) {}
    BarDropTarget(const BarDropTarget&) = delete;
    BarDropTarget& operator=(const BarDropTarget&) = delete;

    // The bar's window is going: a drag still under way elsewhere reaches nothing more.
    void Detach() { principal_ = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;

  private:
    ~BarDropTarget() = default;
    // The logic, when the bar takes drops now: not while a window of the program is modal over it.
    Principal* Receiver() const;
    // The point in twips of the bar's client area.
    void ToClientTwips(POINTL at, float& x, float& y) const;

    LONG references_ = 1;
    HWND window_;
    Principal* principal_;
    bool files_ = false;             // the drag under way carries a list of files
    std::optional<ShellItem> item_;  // or, without one, this shell item
};

}  // namespace zudav::win32
