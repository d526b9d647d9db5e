#include "platform/win32/shell_items.h"

#include <shlobj.h>

#include <cstring>
#include <memory>
#include <string>

namespace zudav::win32 {
namespace {

struct TaskMemoryFree {
    void operator()(wchar_t* memory) const { CoTaskMemFree(memory); }
};

// Typed as the shell types id lists, which may be unaligned.
struct IdListFree {
    using pointer = PIDLIST_ABSOLUTE;
    void operator()(PIDLIST_ABSOLUTE list) const { ILFree(list); }
};

std::optional<std::wstring> DisplayName(IShellItem* item, SIGDN form) {
    wchar_t* name = nullptr;
    if (FAILED(item->GetDisplayName(form, &name)) || name == nullptr) {
        return std::nullopt;
    }
    const std::unique_ptr<wchar_t, TaskMemoryFree> owned(name);
    return std::wstring(name);
}

// Compared as the shell compares items, and by their parsing names besides: the
// Start menu may hand the folder over by another list of ids than the known
// folder's.
bool InAppsFolder(IShellItem* item) {
    const UniqueCom<IShellItem> apps = AppsFolder();
    UniqueCom<IShellItem> parent;
    // The wrapper takes the parent once the statement that wrote it ends.
    if (!apps || FAILED(item->GetParent(static_cast<IShellItem**>(parent.Put())))) {
        return false;
    }
    int order = 1;
    if (SUCCEEDED(parent.Get()->Compare(apps.Get(), SICHINT_CANONICAL, &order)) && order == 0) {
        return true;
    }
    const auto parentName = DisplayName(parent.Get(), SIGDN_DESKTOPABSOLUTEPARSING);
    const auto appsName = DisplayName(apps.Get(), SIGDN_DESKTOPABSOLUTEPARSING);
    return parentName && appsName &&
           CompareStringOrdinal(parentName->c_str(), -1, appsName->c_str(), -1, TRUE) == CSTR_EQUAL;
}

// The bytes of the id list at `list`, its terminating zero included, when it
// ends within `size` bytes; else 0.
std::size_t IdListSize(const BYTE* list, std::size_t size) {
    for (std::size_t at = 0; at + sizeof(USHORT) <= size;) {
        USHORT length = 0;
        std::memcpy(&length, list + at, sizeof length);
        if (length == 0) {
            return at + sizeof length;
        }
        if (length < sizeof length) {
            return 0;
        }
        at += length;
    }
    return 0;
}

}  // namespace

std::optional<ShellItem> ReadShellItem(IShellItem* item) {
    if (item == nullptr) {
        return std::nullopt;
    }
    const std::wstring name = DisplayName(item, SIGDN_NORMALDISPLAY).value_or(L"");
    if (auto file = DisplayName(item, SIGDN_FILESYSPATH); file && !file->empty()) {
        return ShellItem{*file, name, false};
    }
    // Relative to its folder: the absolute parsing name starts with the folder's
    // class id, which the shell's "shell:AppsFolder\" does not take.
    if (auto id = DisplayName(item, SIGDN_PARENTRELATIVEPARSING); id && !id->empty() && InAppsFolder(item)) {
        return ShellItem{*id, name, true};
    }
    return std::nullopt;
}

UniqueCom<IShellItem> AppsFolder() {
    UniqueCom<IShellItem> folder;
    if (SUCCEEDED(SHGetKnownFolderItem(FOLDERID_AppsFolder, KF_FLAG_DEFAULT, nullptr,
                                       IID_PPV_ARGS(static_cast<IShellItem**>(folder.Put()))))) {
        return folder;
    }
    if (FAILED(SHCreateItemFromParsingName(L"shell:AppsFolder", nullptr,
                                           IID_PPV_ARGS(static_cast<IShellItem**>(folder.Put()))))) {
        folder.Reset();
    }
    return folder;
}

// A CIDA: the count of items, then the offsets of the parent folder's absolute
// id list and of each item's id list relative to it, from the start of the
// array.
std::optional<ShellItem> FirstItemOfIdList(const void* list, std::size_t size) {
    const auto* bytes = static_cast<const BYTE*>(list);
    UINT header[3] = {};  // the count, the folder's offset and the first item's
    if (bytes == nullptr || size < sizeof header) {
        return std::nullopt;
    }
    std::memcpy(header, bytes, sizeof header);
    if (header[0] == 0) {
        return std::nullopt;
    }
    for (const UINT offset : {header[1], header[2]}) {
        if (offset >= size || IdListSize(bytes + offset, size - offset) == 0) {
            return std::nullopt;
        }
    }
    const std::unique_ptr<ITEMIDLIST, IdListFree> absolute(
        ILCombine(reinterpret_cast<PCIDLIST_ABSOLUTE>(bytes + header[1]),
                  reinterpret_cast<PCUIDLIST_RELATIVE>(bytes + header[2])));
    UniqueCom<IShellItem> item;
    if (!absolute ||
        FAILED(SHCreateItemFromIDList(absolute.get(), IID_PPV_ARGS(static_cast<IShellItem**>(item.Put()))))) {
        return std::nullopt;
    }
    return ReadShellItem(item.Get());
}

}  // namespace zudav::win32
