#include "platform/win32/slow_icons.h"

#include <shellapi.h>
#include <shlobj.h>

#include <thread>
#include <utility>

namespace zudav::win32 {

UniqueIcon LoadIconFromFile(const std::wstring& path, int pixels) {
    return UniqueIcon(
        static_cast<HICON>(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, pixels, pixels, LR_LOADFROMFILE)));
}

PictureFile LoadPictureFile(const std::wstring& path) {
    PictureFile picture;
    picture.icon = LoadIconFromFile(path, 0);
    if (!picture.icon) {
        picture.bitmap = UniqueBitmap(static_cast<HBITMAP>(
            LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    }
    return picture;
}

void ReadPictureAway(HWND window, UINT message, AwayPicture kind, const std::wstring& path, int pixels) {
    // Detached: a read held for the network's time-out must not hold the bar's exit either.
    std::thread([window, message, kind, path, pixels] {
        auto result = std::make_unique<ReadPicture>();
        result->kind = kind;
        result->path = path;
        switch (kind) {
            case AwayPicture::FirstIcon: {
                HICON icon = nullptr;
                const HRESULT read = SHDefExtractIconW(path.c_str(), 0, 0, &icon, nullptr, MAKELONG(pixels, 0));
                // S_FALSE: a file that holds no icon (a document); a failure: a missing file.
                result->icon = UniqueIcon(read == S_OK ? icon : nullptr);
                result->iconKind = read != S_FALSE;
                break;
            }
            case AwayPicture::PictureFile: {
                PictureFile picture = LoadPictureFile(path);
                result->icon = std::move(picture.icon);
                result->bitmap = std::move(picture.bitmap);
                break;
            }
            case AwayPicture::WindowIcon:
                result->icon = LoadIconFromFile(path, 0);
                result->smallIcon = LoadIconFromFile(path, pixels);
                break;
        }
        if (PostMessageW(window, message, 0, reinterpret_cast<LPARAM>(result.get()))) {
            result.release();  // the window owns it now
        }
    }).detach();
}

std::unique_ptr<ReadPicture> TakeReadPicture(LPARAM lParam) {
    return std::unique_ptr<ReadPicture>(reinterpret_cast<ReadPicture*>(lParam));
}

}  // namespace zudav::win32
