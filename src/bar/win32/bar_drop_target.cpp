#include "bar/win32/bar_drop_target.h"

#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "bar/win32/bar_ids.h"
#include "platform/win32/shell_items.h"
#include "platform/win32/twips.h"

namespace zudav::win32 {
namespace {

FORMATETC FileListFormat() {
    return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// The data of a drag, released once read.
class Medium {
  public:
    Medium() = default;
    Medium(const Medium&) = delete;
    Medium& operator=(const Medium&) = delete;
    ~Medium() {
        if (held_) {
            ReleaseStgMedium(&medium_);
        }
    }
    bool Get(IDataObject* data, FORMATETC format) {
        held_ = SUCCEEDED(data->GetData(&format, &medium_));
        return held_;
    }
    HGLOBAL Global() const { return medium_.hGlobal; }

  private:
    STGMEDIUM medium_{};
    bool held_ = false;
};

// The paths of a CF_HDROP list, in its order.
std::vector<std::wstring> DroppedFiles(IDataObject* data) {
    std::vector<std::wstring> files;
    Medium medium;
    if (!medium.Get(data, FileListFormat()) || medium.Global() == nullptr) {
        return files;
    }
    auto* list = static_cast<HDROP>(GlobalLock(medium.Global()));
    if (list == nullptr) {
        return files;
    }
    const UINT count = DragQueryFileW(list, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(list, i, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(list, i, path.data(), static_cast<UINT>(path.size())));
        if (!path.empty()) {
            files.push_back(std::move(path));
        }
    }
    GlobalUnlock(medium.Global());
    return files;
}

// The first item of the drag's "Shell IDList Array", read once as it enters: the Start menu hands its apps over so.
std::optional<ShellItem> DraggedShellItem(IDataObject* data) {
    static const auto idList = static_cast<CLIPFORMAT>(RegisterClipboardFormatW(CFSTR_SHELLIDLIST));
    Medium medium;
    if (idList == 0 || !medium.Get(data, {idList, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}) ||
        medium.Global() == nullptr) {
        return std::nullopt;
    }
    const void* list = GlobalLock(medium.Global());
    if (list == nullptr) {
        return std::nullopt;
    }
    std::optional<ShellItem> item = FirstItemOfIdList(list, GlobalSize(medium.Global()));
    GlobalUnlock(medium.Global());
    return item;
}

AllowedEffects Allowed(const DWORD* effect) {
    return {(*effect & DROPEFFECT_COPY) != 0, (*effect & DROPEFFECT_LINK) != 0};
}

DWORD Shown(DropEffect effect) {
    switch (effect) {
        case DropEffect::Copy:
            return DROPEFFECT_COPY;
        case DropEffect::Link:
            return DROPEFFECT_LINK;
        case DropEffect::None:
            break;
    }
    return DROPEFFECT_NONE;
}

}  // namespace

HRESULT STDMETHODCALLTYPE BarDropTarget::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE BarDropTarget::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG STDMETHODCALLTYPE BarDropTarget::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

Principal* BarDropTarget::Receiver() const {
    return principal_ != nullptr && IsWindowEnabled(window_) ? principal_ : nullptr;
}

void BarDropTarget::ToClientTwips(POINTL at, float& x, float& y) const {
    POINT point{at.x, at.y};
    ScreenToClient(window_, &point);
    const TwipsScale scale = TwipsScale::ForWindow(window_);
    x = scale.ToTwips(point.x);
    y = scale.ToTwips(point.y);
}

HRESULT STDMETHODCALLTYPE BarDropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) {
    FORMATETC format = FileListFormat();
    files_ = data != nullptr && data->QueryGetData(&format) == S_OK;
    item_.reset();
    if (!files_ && data != nullptr) {
        item_ = DraggedShellItem(data);
    }
    return DragOver(keys, at, effect);
}

HRESULT STDMETHODCALLTYPE BarDropTarget::DragOver(DWORD, POINTL at, DWORD* effect) {
    if (effect == nullptr) {
        return E_INVALIDARG;
    }
    Principal* principal = Receiver();
    if ((!files_ && !item_) || principal == nullptr) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    float x = 0;
    float y = 0;
    ToClientTwips(at, x, y);
    const DragContent content = item_ && item_->isApp ? DragContent::App : DragContent::Files;
    *effect = Shown(principal->OnDragOver(x, y, Allowed(effect), content));
    return S_OK;
}

HRESULT STDMETHODCALLTYPE BarDropTarget::DragLeave() {
    if (principal_ != nullptr) {
        principal_->OnDragLeave();
    }
    files_ = false;
    item_.reset();
    return S_OK;
}

// The drop is answered at once and acted on from the bar's own message loop: the program the drag came from waits
// for this answer, and must not be held by the item editor or by the start of a program.
HRESULT STDMETHODCALLTYPE BarDropTarget::Drop(IDataObject* data, DWORD, POINTL at, DWORD* effect) {
    if (effect == nullptr) {
        return E_INVALIDARG;
    }
    Principal* principal = Receiver();
    const bool files = files_;
    const std::optional<ShellItem> item = std::move(item_);
    files_ = false;
    item_.reset();
    if (principal == nullptr || (!files && !item) || data == nullptr) {
        DragLeave();
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    float x = 0;
    float y = 0;
    ToClientTwips(at, x, y);
    *effect = Shown(files ? principal->OnDrop(x, y, Allowed(effect), DroppedFiles(data))
                          : principal->OnShellItemDrop(x, y, Allowed(effect), *item));
    if (*effect != DROPEFFECT_NONE) {
        PostMessageW(window_, kAfterDropMessage, 0, 0);
    }
    return S_OK;
}

}  // namespace zudav::win32
