#include "platform/win32/pictures.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <shobjidl.h>
#include <versionhelpers.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/item_picture.h"
#include "platform/paths.h"
#include "platform/premultiplied.h"
#include "platform/win32/program_finder.h"
#include "platform/win32/slow_icons.h"

namespace zudav::win32 {
namespace {

// Executables, libraries and icon files are where icons are found; other files hold none.
bool HoldsIcons(const std::wstring& path) {
    HANDLE opened = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        return false;
    }
    const UniqueHandle file(opened);
    unsigned char start[4] = {};
    DWORD read = 0;
    ReadFile(file.Get(), start, sizeof start, &read, nullptr);
    const bool executable = read >= 2 && start[0] == 'M' && start[1] == 'Z';
    const bool iconFile =
        read == 4 && start[0] == 0 && start[1] == 0 && (start[2] == 1 || start[2] == 2) && start[3] == 0;
    return executable || iconFile;
}

PathFacts FactsOf(const std::wstring& path) {
    PathFacts facts;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    facts.exists = attributes != INVALID_FILE_ATTRIBUTES;
    facts.folder = facts.exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    facts.holdsIcons = facts.exists && !facts.folder && HoldsIcons(path);
    return facts;
}

// The shell's images carry their transparency premultiplied, as AlphaBlend takes it; an icon wants it straight. An
// image far smaller than asked for is no picture (Wine's shell answers with a single pixel).
UniqueIcon IconFromShellImage(HBITMAP image, int asked) {
    BITMAP info{};
    if (GetObjectW(image, sizeof info, &info) == 0 || info.bmWidth < asked / 2 || info.bmHeight == 0) {
        return UniqueIcon();
    }
    const int width = info.bmWidth, height = std::abs(info.bmHeight);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof format.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    const HDC screen = GetDC(nullptr);
    const int lines = GetDIBits(screen, image, 0, static_cast<UINT>(height), pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (lines != height) {
        return UniqueIcon();
    }
    // An image without any transparency (as Wine's shell makes them) is opaque throughout.
    const bool opaque = std::none_of(pixels.begin(), pixels.end(), [](std::uint32_t pixel) { return pixel >> 24; });
    for (std::uint32_t& pixel : pixels) {
        if (opaque) {
            pixel |= 0xFF000000u;
            continue;
        }
        const std::uint32_t alpha = pixel >> 24;
        if (alpha != 0 && alpha != 255) {
            const auto straight = [&](int shift) {
                return std::min<std::uint32_t>(255, ((pixel >> shift) & 0xFF) * 255 / alpha) << shift;
            };
            pixel = (alpha << 24) | straight(16) | straight(8) | straight(0);
        }
    }
    void* bits = nullptr;
    const UniqueBitmap color(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const UniqueBitmap mask(CreateBitmap(width, height, 1, 1, nullptr));
    if (!color || !mask || bits == nullptr) {
        return UniqueIcon();
    }
    std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(bits));
    ICONINFO icon{TRUE, 0, 0, mask.Get(), color.Get()};
    return UniqueIcon(CreateIconIndirect(&icon));
}

// The shell's picture of an item, at the size asked (Vista and later), else the shell's large icon of it.
UniqueIcon ShellPicture(const std::wstring& path, int pixels) {
    UniqueCom<IShellItemImageFactory> factory;
    if (SUCCEEDED(SHCreateItemFromParsingName(path.c_str(), nullptr,
                                              IID_PPV_ARGS(static_cast<IShellItemImageFactory**>(factory.Put()))))) {
        HBITMAP image = nullptr;
        if (SUCCEEDED(factory.Get()->GetImage({pixels, pixels}, SIIGBF_ICONONLY, &image)) && image != nullptr) {
            const UniqueBitmap owned(image);
            if (UniqueIcon icon = IconFromShellImage(owned.Get(), pixels)) {
                return icon;
            }
        }
    }
    SHFILEINFOW info{};
    PIDLIST_ABSOLUTE items = nullptr;
    if (SUCCEEDED(SHParseDisplayName(path.c_str(), nullptr, &items, 0, nullptr))) {
        SHGetFileInfoW(reinterpret_cast<const wchar_t*>(items), 0, &info, sizeof info,
                       SHGFI_PIDL | SHGFI_ICON | SHGFI_LARGEICON);
        CoTaskMemFree(items);
    }
    return UniqueIcon(info.hIcon);
}

// The program that opens the scheme's addresses: the default browser for http and https. Windows 8 and later keep
// the user's choice of it apart, where only a query that names a protocol (ASSOCF_IS_PROTOCOL) looks.
UniqueIcon BrowserIcon(const std::wstring& path, int pixels) {
    constexpr ASSOCF kIsProtocol = static_cast<ASSOCF>(0x00001000);  // left out of the headers for Windows 7
    std::wstring program(MAX_PATH, L'\0');
    DWORD length = static_cast<DWORD>(program.size());
    if (SUCCEEDED(AssocQueryStringW(IsWindows8OrGreater() ? kIsProtocol : ASSOCF(ASSOCF_NONE), ASSOCSTR_EXECUTABLE,
                                    AddressScheme(path).c_str(), nullptr, program.data(), &length))) {
        program.resize(wcsnlen(program.c_str(), program.size()));
        HICON icon = nullptr;
        if (SHDefExtractIconW(program.c_str(), 0, 0, &icon, nullptr, MAKELONG(pixels, 0)) == S_OK && icon != nullptr) {
            return UniqueIcon(icon);
        }
        return ShellPicture(program, pixels);
    }
    return UniqueIcon();
}

// The shell's large icon that stands in for a picture it cannot make at the size asked is 32 pixels: a smaller box
// would cut it, so it is shrunk to the size.
UniqueIcon NoLargerThan(UniqueIcon icon, int pixels) {
    ICONINFO parts{};
    if (!GetIconInfo(icon.Get(), &parts)) {
        return icon;
    }
    const UniqueBitmap mask(parts.hbmMask), color(parts.hbmColor);  // made for the caller, which deletes them
    BITMAP info{};
    GetObjectW(color ? color.Get() : mask.Get(), sizeof info, &info);
    const int height = color ? info.bmHeight : info.bmHeight / 2;  // a monochrome icon's mask holds two pictures
    if (info.bmWidth <= pixels && height <= pixels) {
        return icon;
    }
    UniqueIcon shrunk(static_cast<HICON>(CopyImage(icon.Get(), IMAGE_ICON, pixels, pixels, 0)));
    return shrunk ? std::move(shrunk) : std::move(icon);
}

}  // namespace

std::wstring LocatedProgram(const std::wstring& path) {
    const auto target = ProgramToStart(path, FolderOf(RunningExecutable()), SystemPrograms());
    return target ? target->file : std::wstring();
}

IconLookup ShowItemPicture(Picture& picture, const std::wstring& item, int pixels) {
    const std::wstring path = LocatedProgram(item);
    UniqueIcon icon;
    switch (PictureRoadOf(path, IsAddress(path) || IsShellName(path) ? PathFacts{} : FactsOf(path))) {
        case PictureRoad::OwnIcon: {
            HICON own = nullptr;
            if (SHDefExtractIconW(path.c_str(), 0, 0, &own, nullptr, MAKELONG(pixels, 0)) == S_OK) {
                icon = UniqueIcon(own);
            }
            break;
        }
        case PictureRoad::ShellPicture:
            icon = ShellPicture(path, pixels);
            break;
        case PictureRoad::BrowserIcon:
            icon = BrowserIcon(path, pixels);
            break;
        case PictureRoad::Missing:
            break;
    }
    if (!icon) {
        return IconLookup::NoIcon;
    }
    // The picture keeps the icon while it shows it and releases it when it changes.
    picture.ShowOwnedIcon(NoLargerThan(std::move(icon), pixels));
    return IconLookup::Drawn;
}

bool ShowPictureFile(Picture& picture, const std::wstring& path) {
    PictureFile file = LoadPictureFile(path);
    if (file.icon) {
        picture.ShowOwnedIcon(std::move(file.icon));
        return true;
    }
    if (file.bitmap) {
        picture.ShowOwnedBitmap(std::move(file.bitmap));
        return true;
    }
    return false;
}

UniqueIcon LoadResourceIcon(HINSTANCE instance, int id, int size, int dpi) {
    // Not shared (LR_SHARED): the shared copy is whichever size was loaded first, whatever size is asked for later.
    const int pixels = MulDiv(size, dpi, 96);
    return UniqueIcon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, pixels, pixels, 0)));
}

UniqueBitmap PremultipliedItemPicture(const std::wstring& item, int pixels) {
    Picture picture;
    if (pixels <= 0 || ShowItemPicture(picture, item, pixels) != IconLookup::Drawn) {
        return {};
    }
    return PremultipliedPicture(picture, pixels);
}

UniqueBitmap PremultipliedIconPicture(HICON icon, int pixels) {
    if (icon == nullptr || pixels <= 0) {
        return {};
    }
    return PremultipliedDrawing(pixels,
                                [&](HDC dc) { DrawIconEx(dc, 0, 0, icon, pixels, pixels, 0, nullptr, DI_NORMAL); });
}

UniqueBitmap PremultipliedPicture(const Picture& picture, int pixels) {
    return PremultipliedDrawing(pixels, [&](HDC dc) { picture.Draw(dc, {0, 0, pixels, pixels}); });
}

UniqueBitmap PremultipliedDrawing(int pixels, const std::function<void(HDC)>& draw) {
    BITMAPINFO format{};
    format.bmiHeader = {sizeof format.bmiHeader, pixels, -pixels, 1, 32, BI_RGB, 0, 0, 0, 0, 0};  // top-down
    const size_t count = static_cast<size_t>(pixels) * static_cast<size_t>(pixels);
    const UniqueDc dc(CreateCompatibleDC(nullptr));
    // Drawn once on black and once on white: how the two differ is the picture's transparency, whatever kind of icon
    // (with alpha or with a mask only) it is.
    std::vector<std::uint32_t> drawings[2];
    UniqueBitmap bitmap;
    for (std::uint32_t background : {0x00000000u, 0x00FFFFFFu}) {
        void* bits = nullptr;
        bitmap = UniqueBitmap(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!dc || !bitmap || bits == nullptr) {
            return {};
        }
        auto* first = static_cast<std::uint32_t*>(bits);
        std::fill(first, first + count, background);
        const HGDIOBJ previous = SelectObject(dc.Get(), bitmap.Get());
        draw(dc.Get());
        SelectObject(dc.Get(), previous);
        GdiFlush();
        drawings[background == 0 ? 0 : 1].assign(first, first + count);
    }
    // The last bitmap made takes the result.
    DIBSECTION section{};
    if (GetObjectW(bitmap.Get(), sizeof section, &section) != sizeof section || section.dsBm.bmBits == nullptr) {
        return {};
    }
    const std::vector<std::uint32_t> premultiplied = PremultipliedFromBackgrounds(drawings[0], drawings[1]);
    std::copy(premultiplied.begin(), premultiplied.end(), static_cast<std::uint32_t*>(section.dsBm.bmBits));
    return bitmap;
}

}  // namespace zudav::win32
