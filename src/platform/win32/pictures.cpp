#include "platform/win32/pictures.h"

#include <shellapi.h>

namespace zudav::win32 {
namespace {

// Executables, libraries and icon files are where icons are found; other files hold none.
bool MayHoldIcons(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return true;  // missing: a file without an icon
    }
    unsigned char start[4] = {};
    DWORD read = 0;
    ReadFile(file, start, sizeof start, &read, nullptr);
    CloseHandle(file);
    const bool executable = read >= 2 && start[0] == 'M' && start[1] == 'Z';
    const bool iconFile =
        read == 4 && start[0] == 0 && start[1] == 0 && (start[2] == 1 || start[2] == 2) && start[3] == 0;
    return executable || iconFile;
}

}  // namespace

IconLookup ShowFirstIcon(Picture& picture, HINSTANCE instance, const std::wstring& path) {
    HICON icon = ExtractIconW(instance, path.c_str(), 0);
    if (icon == nullptr) {
        // Some shells answer "no icon" for a document too; a document is a file of a kind without icons.
        return MayHoldIcons(path) ? IconLookup::NoIcon : IconLookup::NotIconKind;
    }
    if (icon == reinterpret_cast<HICON>(1)) {
        return IconLookup::NotIconKind;  // not an executable, a library or an icon file
    }
    // The picture keeps the icon while it shows it and releases it when it changes.
    picture.ShowOwnedIcon(UniqueIcon(icon));
    return IconLookup::Drawn;
}

bool ShowPictureFile(Picture& picture, const std::wstring& path) {
    if (UniqueIcon icon(static_cast<HICON>(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)));
        icon) {
        picture.ShowOwnedIcon(std::move(icon));
        return true;
    }
    if (UniqueBitmap bitmap(static_cast<HBITMAP>(
            LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
        bitmap) {
        picture.ShowOwnedBitmap(std::move(bitmap));
        return true;
    }
    return false;
}

UniqueIcon LoadResourceIcon(HINSTANCE instance, int id, int size, int dpi) {
    // Not shared (LR_SHARED): the shared copy is whichever size was loaded first, whatever size is asked for later.
    const int pixels = MulDiv(size, dpi, 96);
    return UniqueIcon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, pixels, pixels, 0)));
}

}  // namespace zudav::win32
