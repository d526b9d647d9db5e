#include "bar/win32/folder_reading.h"

#include <objbase.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <thread>

#include "platform/win32/pictures.h"

namespace zudav::win32 {
namespace {

// The shell's objects on this thread, for as long as it reads.
class ComThread {
  public:
    ComThread() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComThread() {
        if (started_) {
            CoUninitialize();
        }
    }
    ComThread(const ComThread&) = delete;
    ComThread& operator=(const ComThread&) = delete;

  private:
    bool started_;
};

// A name the shell gives, freed as it asks.
std::wstring NameOf(IShellFolder* folder, PCUITEMID_CHILD child, SHGDNF kind) {
    STRRET name{};
    PWSTR text = nullptr;
    if (FAILED(folder->GetDisplayNameOf(child, kind, &name)) || FAILED(StrRetToStrW(&name, child, &text))) {
        return {};
    }
    std::wstring taken = text;
    CoTaskMemFree(text);
    return taken;
}

// Hidden entries as Explorer shows them: all when the user shows hidden files, protected system files only when they
// show those too.
struct ExplorerShows {
    bool hidden = false;
    bool system = false;
};
ExplorerShows ExplorerSettings() {
    SHELLSTATEW state{};
    SHGetSetSettings(&state, SSF_SHOWALLOBJECTS | SSF_SHOWSUPERHIDDEN, FALSE);
    return {state.fShowAllObjects != FALSE, state.fShowAllObjects && state.fShowSuperHidden};
}
bool Hides(const ExplorerShows& shows, SFGAOF attributes) {
    const bool hidden = (attributes & SFGAO_HIDDEN) != 0;
    const bool system = (attributes & SFGAO_SYSTEM) != 0;
    return hidden && (!shows.hidden || (system && !shows.system));
}

}  // namespace

std::shared_ptr<FolderRead> FolderRead::Start(const std::wstring& folder,
                                              int pixels,
                                              HWND window,
                                              UINT message,
                                              WPARAM token) {
    auto read = std::make_shared<FolderRead>();
    // Detached: a share held for the network's time-out must not hold the menu's closing or the bar's exit.
    std::thread([read, folder, pixels, notice = Notice{window, message, token}] {
        read->Read(folder, pixels, notice);  // a window that is gone by then gets nothing
    }).detach();
    return read;
}

bool FolderRead::WaitListed(std::chrono::milliseconds patience) const {
    std::unique_lock<std::mutex> hold(lock_);
    return over_.wait_for(hold, patience, [this] { return known_.reading != FolderReading::Reading; });
}

FolderKnown FolderRead::Known() const {
    const std::lock_guard<std::mutex> hold(lock_);
    return known_;
}

void FolderRead::Add(FolderEntry entry, std::wstring path) {
    const std::lock_guard<std::mutex> hold(lock_);
    known_.entries.push_back(std::move(entry));
    known_.paths.push_back(std::move(path));
    known_.pictures.push_back(nullptr);
}

void FolderRead::SetPicture(size_t entry, UniqueBitmap picture) {
    const std::lock_guard<std::mutex> hold(lock_);
    known_.pictures[entry] = picture.Get();
    pictures_.push_back(std::move(picture));
}

void FolderRead::End(FolderReading reading) {
    {
        const std::lock_guard<std::mutex> hold(lock_);
        known_.reading = reading;
    }
    over_.notify_all();
}

// The entries first, each named as Explorer names it, then their pictures: a menu that opens meanwhile lists them.
void FolderRead::Read(const std::wstring& folder, int pixels, const Notice& notice) {
    const ComThread com;
    const auto unreadable = [&] {
        End(FolderReading::Unreadable);
        notice.Post(FolderNews::Listed);
    };
    PIDLIST_ABSOLUTE location = nullptr;
    if (FAILED(SHParseDisplayName(folder.c_str(), nullptr, &location, 0, nullptr))) {
        return unreadable();
    }
    IShellFolder* opened = nullptr;
    const HRESULT bound = SHBindToObject(nullptr, location, nullptr, IID_PPV_ARGS(&opened));
    CoTaskMemFree(location);
    if (FAILED(bound) || opened == nullptr) {
        return unreadable();
    }
    const UniqueCom<IShellFolder> shell(opened);
    IEnumIDList* listing = nullptr;
    const SHCONTF kinds = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN;
    if (shell.Get()->EnumObjects(nullptr, kinds, &listing) != S_OK || listing == nullptr) {
        return unreadable();  // S_FALSE: the folder could not be read
    }
    const UniqueCom<IEnumIDList> list(listing);
    const ExplorerShows shows = ExplorerSettings();
    std::vector<std::wstring> paths;
    PITEMID_CHILD child = nullptr;
    while (list.Get()->Next(1, &child, nullptr) == S_OK) {
        SFGAOF attributes = SFGAO_FOLDER | SFGAO_STREAM | SFGAO_HIDDEN | SFGAO_SYSTEM;
        PCUITEMID_CHILD one = child;
        if (FAILED(shell.Get()->GetAttributesOf(1, &one, &attributes))) {
            attributes = 0;
        }
        std::wstring name = NameOf(shell.Get(), child, SHGDN_NORMAL | SHGDN_INFOLDER);
        std::wstring parsed = NameOf(shell.Get(), child, SHGDN_FORPARSING);
        CoTaskMemFree(child);
        if (name.empty() || parsed.empty()) {
            continue;  // an entry the shell cannot name cannot be started either
        }
        // A zip file is a folder to the shell, and a file to the user.
        const bool isFolder = (attributes & SFGAO_FOLDER) != 0 && (attributes & SFGAO_STREAM) == 0;
        const bool hidden = Hides(shows, attributes);
        paths.push_back(hidden ? std::wstring() : parsed);  // no picture for what the menu leaves out
        Add({std::move(name), isFolder, hidden}, std::move(parsed));
    }
    End(FolderReading::Done);
    notice.Post(FolderNews::Listed);
    // The pictures come to the menu by batches, so that a long menu fills in as it is looked at.
    constexpr size_t kBatch = 32;
    size_t unsent = 0;
    for (size_t entry = 0; entry < paths.size(); ++entry) {
        if (paths[entry].empty()) {
            continue;
        }
        if (UniqueBitmap picture = PremultipliedItemPicture(paths[entry], pixels)) {
            SetPicture(entry, std::move(picture));
            if (++unsent == kBatch) {
                notice.Post(FolderNews::Pictures);
                unsent = 0;
            }
        }
    }
    if (unsent != 0) {
        notice.Post(FolderNews::Pictures);
    }
}

}  // namespace zudav::win32
