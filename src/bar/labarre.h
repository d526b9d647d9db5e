// The bar module's shared variables, alive for the whole run and read by every window of the program.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "bar/bar_window.h"
#include "platform/platform.h"

namespace zudav {

struct LaBarre {
    // Line break used inside message texts; set as the first step of start-up.
    std::wstring SautLigne;
    // Slot (0 to 12) being edited (set by a right click) or being built; empty until then.
    std::optional<std::int16_t> IndexCourant;
    // The last icon extraction for a bar slot found no icon.
    bool IconeAbsente = false;

    // What each slot's picture was made from: while it stays the same, a refresh keeps the picture.
    struct PictureSource {
        std::wstring path;  // expanded
        std::wstring icon;  // the stored icon file, expanded
        std::optional<FileStamp> pathStamp;
        std::optional<FileStamp> iconStamp;
        PictureLook look;
        bool operator==(const PictureSource& o) const {
            return path == o.path && icon == o.icon && pathStamp == o.pathStamp && iconStamp == o.iconStamp &&
                   look == o.look;
        }
    };
    std::array<std::optional<PictureSource>, 13> picturesMadeFrom;
};

}  // namespace zudav
