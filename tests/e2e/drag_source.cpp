// zudav_drag CLASS ID HOLD_MS drop|cancel FILE...: drags files as a program of the desktop does, with a real OLE
// drag and drop (a data object carrying CF_HDROP) and the pointer moved by SendInput, from where the pointer stands
// to the middle of control ID of the shown window of CLASS; holds there HOLD_MS, then drops or gives up. Its exit
// code is the effect of the drag (DROPEFFECT_*), or 100 and more when it could not drag.
#include <windows.h>
// After windows.h, which they need.
#include <ole2.h>
#include <shlobj.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

// Hand-written COM objects stay out of anonymous namespaces: GCC miscompiles calls through them otherwise.
class FileDrag final : public IDataObject, public IDropSource {
  public:
    FileDrag(const std::vector<std::wstring>& files) {  // a DROPFILES header, then the paths, each ended by a NUL
        for (const auto& file : files) {
            list_.insert(list_.end(), file.c_str(), file.c_str() + file.size() + 1);
        }
        list_.push_back(L'\0');
    }
    std::atomic<bool> cancel{false};

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        *object = iid == IID_IDropSource                          ? static_cast<IDropSource*>(this)
                  : iid == IID_IDataObject || iid == IID_IUnknown ? static_cast<void*>(static_cast<IDataObject*>(this))
                                                                  : nullptr;
        return *object ? S_OK : E_NOINTERFACE;  // on the stack of wmain, which outlives the drag: no count kept
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK) {
            return DV_E_FORMATETC;
        }
        const DROPFILES header{sizeof(DROPFILES), {0, 0}, FALSE, TRUE};
        const size_t size = sizeof header + list_.size() * sizeof(wchar_t);
        HGLOBAL global = GlobalAlloc(GHND, size);
        auto* bytes = static_cast<BYTE*>(GlobalLock(global));
        if (bytes == nullptr) {
            return E_OUTOFMEMORY;
        }
        memcpy(bytes, &header, sizeof header);
        memcpy(bytes + sizeof header, list_.data(), list_.size() * sizeof(wchar_t));
        GlobalUnlock(global);
        *medium = {TYMED_HGLOBAL, {nullptr}, nullptr};
        medium->hGlobal = global;  // the receiver releases it
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* f) override {
        return f->cfFormat == CF_HDROP && (f->tymed & TYMED_HGLOBAL) && f->dwAspect == DVASPECT_CONTENT
                   ? S_OK
                   : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return DATA_S_SAMEFORMATETC;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
        FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        return direction == DATADIR_GET ? SHCreateStdEnumFmtEtc(1, &format, formats) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

    // The button as the hand holds it, too: Wine routes input past the drag's capture while another window is in the
    // foreground, and this thread may then never see the release.
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        return escape || cancel                                          ? DRAGDROP_S_CANCEL
               : (keys & MK_LBUTTON) && GetAsyncKeyState(VK_LBUTTON) < 0 ? S_OK
                                                                         : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

  private:
    std::vector<wchar_t> list_;
};

namespace {

void Send(DWORD flags, POINT at = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    RECT target{};
    HWND window = argc > 5 ? FindWindowW(argv[1], nullptr) : nullptr;
    if (!window || !GetWindowRect(GetDlgItem(window, _wtoi(argv[2])), &target) || FAILED(OleInitialize(nullptr))) {
        return 100;
    }
    FileDrag drag({argv + 5, argv + argc});
    // The press lands on a window of this program, as a drag starts from the program's own window.
    POINT from{};
    GetCursorPos(&from);
    HWND source = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, from.x,
                                  from.y, 1, 1, nullptr, nullptr, nullptr, nullptr);  // one pixel: out of the pictures
    const auto pumpUntil = [](auto condition) {
        MSG message;
        for (const ULONGLONG end = GetTickCount64() + 5000; !condition() && GetTickCount64() < end;) {
            if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageW(&message);
            }
        }
    };
    SetForegroundWindow(source);
    pumpUntil([&] { return GetForegroundWindow() == source; });
    Send(MOUSEEVENTF_LEFTDOWN, from);
    pumpUntil([] { return GetKeyState(VK_LBUTTON) < 0; });
    std::thread pointer([&] {  // the user's hand, while DoDragDrop runs its loop
        const POINT to{(target.left + target.right) / 2, (target.top + target.bottom) / 2};
        for (int step = 1; step <= 20; ++step) {
            Sleep(20);
            Send(MOUSEEVENTF_MOVE, {from.x + (to.x - from.x) * step / 20, from.y + (to.y - from.y) * step / 20});
        }
        for (int held = 0; held < _wtoi(argv[3]); held += 50) {  // a hand is never quite still
            Sleep(50);
            Send(MOUSEEVENTF_MOVE, {to.x + held / 50 % 2, to.y});
        }
        drag.cancel = wcscmp(argv[4], L"cancel") == 0;
        Send(MOUSEEVENTF_LEFTUP, to);
    });
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(&drag, &drag, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect);
    pointer.join();
    DestroyWindow(source);
    OleUninitialize();
    return result == DRAGDROP_S_DROP || result == DRAGDROP_S_CANCEL ? int(effect) : 101;
}
