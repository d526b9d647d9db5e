#include "bar/win32/folder_reading.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>
// After windows.h and objbase.h, which it needs.
#include <commoncontrols.h>

#include <map>
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

// IID_IImageList, named here: the import libraries do not carry it.
constexpr IID kImageListId = {0x46EB5926, 0x582E, 0x4017, {0x9F, 0xDF, 0xE8, 0x99, 0x8D, 0xAA, 0x09, 0x50}};

// An id list, freed as the shell asks.
struct ItemListFree {
    void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};
using UniqueItemList = std::unique_ptr<ITEMIDLIST, ItemListFree>;

}  // namespace

// The shell's own pictures of its items, from its image list of their kinds: the picture of each kind is made once,
// so that a folder of three hundred documents of one kind costs one picture and three hundred questions.
class FolderRead::SystemPictures {
  public:
    explicit SystemPictures(int pixels) : pixels_(pixels) {
        const int size = pixels <= 16 ? SHIL_SMALL : pixels <= 32 ? SHIL_LARGE : SHIL_EXTRALARGE;
        SHGetImageList(size, kImageListId, reinterpret_cast<void**>(static_cast<IImageList**>(list_.Put())));
    }

    // Owned by these pictures; none when the shell has no picture for the item.
    HBITMAP Of(PCIDLIST_ABSOLUTE item) {
        SHFILEINFOW info{};
        if (!list_ || SHGetFileInfoW(reinterpret_cast<const wchar_t*>(item), 0, &info, sizeof info,
                                     SHGFI_PIDL | SHGFI_SYSICONINDEX) == 0) {
            return nullptr;
        }
        auto made = made_.find(info.iIcon);
        if (made == made_.end()) {
            HICON icon = nullptr;
            UniqueBitmap picture;
            if (SUCCEEDED(list_.Get()->GetIcon(info.iIcon, ILD_TRANSPARENT, &icon)) && icon != nullptr) {
                const UniqueIcon held(icon);
                picture = PremultipliedIconPicture(icon, pixels_);
            }
            made = made_.emplace(info.iIcon, std::move(picture)).first;
        }
        return made->second.Get();
    }

    // The pictures live as long as the reading, whose menu shows them.
    std::map<int, UniqueBitmap> Take() { return std::move(made_); }

  private:
    int pixels_;
    UniqueCom<IImageList> list_;
    std::map<int, UniqueBitmap> made_;
};

int ExplorerOrder(const std::wstring& a, const std::wstring& b) {
    return StrCmpLogicalW(a.c_str(), b.c_str());
}

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

void FolderRead::SetPicture(size_t entry, HBITMAP picture) {
    const std::lock_guard<std::mutex> hold(lock_);
    known_.pictures[entry] = picture;
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
    PIDLIST_ABSOLUTE parsed = nullptr;
    if (FAILED(SHParseDisplayName(folder.c_str(), nullptr, &parsed, 0, nullptr))) {
        return unreadable();
    }
    const UniqueItemList location(parsed);
    IShellFolder* opened = nullptr;
    const HRESULT bound = SHBindToObject(nullptr, parsed, nullptr, IID_PPV_ARGS(&opened));
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
    std::vector<UniqueItemList> items;  // each entry's, for its picture; none for what the menu leaves out
    PITEMID_CHILD child = nullptr;
    while (list.Get()->Next(1, &child, nullptr) == S_OK) {
        SFGAOF attributes = SFGAO_FOLDER | SFGAO_STREAM | SFGAO_HIDDEN | SFGAO_SYSTEM;
        PCUITEMID_CHILD one = child;
        if (FAILED(shell.Get()->GetAttributesOf(1, &one, &attributes))) {
            attributes = 0;
        }
        std::wstring name = NameOf(shell.Get(), child, SHGDN_NORMAL | SHGDN_INFOLDER);
        std::wstring parsed = NameOf(shell.Get(), child, SHGDN_FORPARSING);
        const UniqueItemList own(child);
        if (name.empty() || parsed.empty()) {
            continue;  // an entry the shell cannot name cannot be started either
        }
        // A zip file is a folder to the shell, and a file to the user.
        const bool isFolder = (attributes & SFGAO_FOLDER) != 0 && (attributes & SFGAO_STREAM) == 0;
        const bool hidden = Hides(shows, attributes);
        items.emplace_back(hidden ? nullptr : ILCombine(location.get(), child));
        Add({std::move(name), isFolder, hidden}, std::move(parsed));
    }
    End(FolderReading::Done);
    notice.Post(FolderNews::Listed);
    // The pictures come in the menu's order, by batches (the first about a screenful), so that a long menu fills in
    // from its top as it is looked at.
    constexpr size_t kFirstBatch = 48, kBatch = 96;
    size_t unsent = 0, batch = kFirstBatch;
    SystemPictures pictures(pixels);
    for (const FolderMenuLine& line : FolderMenuLines(Known().entries, FolderReading::Done, false, ExplorerOrder)) {
        const size_t entry = static_cast<size_t>(line.entry);
        if (line.kind != FolderMenuLine::Kind::Entry || !items[entry]) {
            continue;
        }
        if (HBITMAP picture = pictures.Of(items[entry].get())) {
            SetPicture(entry, picture);
            if (++unsent == batch) {
                notice.Post(FolderNews::Pictures);
                unsent = 0;
                batch = kBatch;
            }
        }
    }
    {
        const std::lock_guard<std::mutex> hold(lock_);
        pictures_ = pictures.Take();
    }
    if (unsent != 0) {
        notice.Post(FolderNews::Pictures);
    }
}

}  // namespace zudav::win32
