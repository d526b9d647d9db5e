// What a file dropped on a free slot makes of its item, and the tooltip suggested for a path: the item editor fills
// its form by these rules, and a drop of several files stores each item by them without opening it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace zudav {

// The tooltip suggested for a path, as typed: the display name of what it names once expanded (a file's name without
// its extension, a folder's name, an address's host, an app's name); nothing when that leaves no name.
std::optional<std::wstring> SuggestedTooltip(const std::wstring& path, const Platform& platform);

// A dropped file as an item: a shortcut gives its target, arguments and picture, one whose target is gone stands for
// itself; what is no program is opened as a document.
struct DroppedFile {
    std::wstring path;
    std::wstring arguments;
    bool document = false;
    std::optional<std::wstring> picture;  // the shortcut's picture file, only when it shows
};

// `show` puts a picture file where the item's picture is seen (the editor's preview, the slot's box): false when it
// does not load there.
DroppedFile TakeDroppedFile(const std::wstring& file,
                            const Platform& platform,
                            const std::function<bool(const std::wstring&)>& show);

}  // namespace zudav
