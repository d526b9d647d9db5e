// zudav_drag CLASS SLOT HOLD_MS drop|cancel [--ids] FILE...: drags files as a program of the desktop does, with a real
// OLE drag and drop (the shell's data object for the files, carrying CF_HDROP) and the pointer moved by SendInput, from
// 400 pixels right of the middle of the cell of slot SLOT of the shown bar of CLASS to that middle; holds there
// HOLD_MS, then drops or gives up. With --ids the data object offers the files' "Shell IDList Array" only, without
// CF_HDROP, as the Start menu offers its apps. Its exit code is the effect of the drag (DROPEFFECT_*), or 100 and more
// when it could not drag.
#include <windows.h>
// After windows.h, which they need.
#include <ole2.h>
#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bar_places.h"

// Hand-written COM objects stay out of anonymous namespaces: GCC miscompiles calls through them otherwise. This one
// lives on the stack of wmain, which outlives the drag: it keeps no count.
class Hand final : public IDropSource {
  public:
    std::atomic<bool> cancel{false};

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        *object = iid == IID_IDropSource || iid == IID_IUnknown ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    // The button as the hand holds it, too: while another window is in the foreground, Wine routes the pointer's input
    // past the drag's capture, and this thread may then never see the release.
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        return escape || cancel                                          ? DRAGDROP_S_CANCEL
               : (keys & MK_LBUTTON) && GetAsyncKeyState(VK_LBUTTON) < 0 ? S_OK
                                                                         : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

// The files as a "Shell IDList Array" (CIDA) and nothing else: the count, the offsets of the folder's absolute id list
// and of each file's id list relative to it, then those lists. Lives on the stack of wmain, as the hand does.
class IdListOnly final : public IDataObject {
  public:
    std::vector<BYTE> list;
    FORMATETC format{CLIPFORMAT(RegisterClipboardFormatW(CFSTR_SHELLIDLIST)), nullptr, DVASPECT_CONTENT, -1,
                     TYMED_HGLOBAL};

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        *object = iid == IID_IDataObject || iid == IID_IUnknown ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* asked, STGMEDIUM* medium) override {
        if (QueryGetData(asked) != S_OK) {
            return DV_E_FORMATETC;
        }
        HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, list.size());
        if (void* bytes = copy ? GlobalLock(copy) : nullptr) {
            memcpy(bytes, list.data(), list.size());
            GlobalUnlock(copy);
        }
        *medium = {TYMED_HGLOBAL, {}, nullptr};
        medium->hGlobal = copy;
        return copy ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* asked) override {
        return asked && asked->cfFormat == format.cfFormat && (asked->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
        return direction == DATADIR_GET ? SHCreateStdEnumFmtEtc(1, &format, formats) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

    void Fill(LPCITEMIDLIST folder, const std::vector<LPCITEMIDLIST>& children) {
        std::vector<UINT> header{UINT(children.size())};
        std::vector<BYTE> lists;
        const auto add = [&](LPCITEMIDLIST id) {
            header.push_back(UINT((children.size() + 2) * sizeof(UINT) + lists.size()));
            const BYTE* bytes = reinterpret_cast<const BYTE*>(id);
            lists.insert(lists.end(), bytes, bytes + ILGetSize(id));
        };
        add(folder);
        for (LPCITEMIDLIST child : children) {
            add(child);
        }
        list.resize(header.size() * sizeof(UINT));
        memcpy(list.data(), header.data(), list.size());
        list.insert(list.end(), lists.begin(), lists.end());
    }
};

namespace {

struct Releaser {
    void operator()(IUnknown* object) const { object->Release(); }
};

void Send(DWORD flags, POINT at = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

template <typename Condition>
void PumpUntil(Condition condition) {
    MSG message;
    for (const ULONGLONG end = GetTickCount64() + 5000; !condition() && GetTickCount64() < end;) {
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool idsOnly = argc > 5 && wcscmp(argv[5], L"--ids") == 0;
    const int first = idsOnly ? 6 : 5;  // the first file
    HWND window = argc > first ? FindWindowW(argv[1], nullptr) : nullptr;
    const int slot = argc > first ? _wtoi(argv[2]) : -1;
    if (!window || slot < 0 || slot > 12 || FAILED(OleInitialize(nullptr))) {
        return 100;
    }
    // The shell's data object for the files (of one folder), as Explorer hands it to a drag, CF_HDROP among its
    // formats; taken from their folder, as Wine 8 does not implement SHCreateDataObject.
    std::vector<std::unique_ptr<ITEMIDLIST, decltype(&CoTaskMemFree)>> items;
    std::vector<LPCITEMIDLIST> children;
    for (int i = first; i < argc; ++i) {
        PIDLIST_ABSOLUTE item = nullptr;
        if (FAILED(SHParseDisplayName(argv[i], nullptr, &item, 0, nullptr))) {
            return 102;
        }
        children.push_back(ILFindLastID(items.emplace_back(item, &CoTaskMemFree).get()));
    }
    IdListOnly idList;
    IShellFolder* folder = nullptr;
    IDataObject* files = nullptr;
    if (idsOnly) {
        const std::unique_ptr<ITEMIDLIST, decltype(&CoTaskMemFree)> parentList(ILClone(items[0].get()), &CoTaskMemFree);
        if (!parentList || !ILRemoveLastID(parentList.get())) {
            return 102;
        }
        idList.Fill(parentList.get(), children);
    } else if (SUCCEEDED(SHBindToParent(items[0].get(), IID_PPV_ARGS(&folder), nullptr))) {
        folder->GetUIObjectOf(nullptr, UINT(children.size()), children.data(), IID_IDataObject, nullptr,
                              reinterpret_cast<void**>(&files));
    }
    const std::unique_ptr<IShellFolder, Releaser> parent(folder);
    const std::unique_ptr<IDataObject, Releaser> shellData(files);
    IDataObject* data = idsOnly ? &idList : shellData.get();
    if (!data) {
        return 102;
    }
    Hand hand;
    // The press lands on a window of this program, in the foreground, as a drag starts from the program's own window.
    // Under Wine the pointer may still jump back to where earlier input left it: press and release say where they are.
    POINT to = zudav_tools::Middle(zudav_tools::BarPlaces(window).cells[slot]);
    ClientToScreen(window, &to);
    const POINT from{std::min(to.x + 400L, GetSystemMetrics(SM_CXSCREEN) - 2L), to.y};
    HWND source = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE | SS_NOTIFY,
                                  from.x, from.y, 1, 1, nullptr, nullptr, nullptr, nullptr);  // one pixel: out of sight
    SetForegroundWindow(source);
    PumpUntil([&] { return GetForegroundWindow() == source; });
    Send(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_MOVE, from);
    PumpUntil([] { return GetKeyState(VK_LBUTTON) < 0; });
    std::thread moving([&] {  // while DoDragDrop runs its loop
        for (int step = 1; step <= 20; ++step) {
            Sleep(20);
            Send(MOUSEEVENTF_MOVE, {from.x + (to.x - from.x) * step / 20, from.y + (to.y - from.y) * step / 20});
        }
        for (int held = 0; held < _wtoi(argv[3]); held += 50) {  // a hand is never quite still
            Sleep(50);
            Send(MOUSEEVENTF_MOVE, {to.x + held / 50 % 2, to.y});
        }
        hand.cancel = wcscmp(argv[4], L"cancel") == 0;
        Send(MOUSEEVENTF_LEFTUP | MOUSEEVENTF_MOVE, to);
    });
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(data, &hand, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect);
    moving.join();
    DestroyWindow(source);
    return result == DRAGDROP_S_DROP || result == DRAGDROP_S_CANCEL ? int(effect) : 101;
}
