// What looking for the first icon of a file found: shared by every window that shows a file's icon.
#pragma once

namespace zudav {

enum class IconLookup {
    Drawn,        // the file's first icon, now shown
    NoIcon,       // the file is missing or holds no icon
    NotIconKind,  // a file of a kind that holds no icons (a text document): nothing drawn
};

}  // namespace zudav
