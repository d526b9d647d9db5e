// Files or an app dragged onto the bar: the slot under the pointer, what a drop there does, and the arguments the
// dropped files give a program. The bar's view decodes the drag into these terms; Principal decides with them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "bar/layout.h"

namespace zudav {

// What a drop does, as the pointer shows it over the bar.
enum class DropEffect {
    None,  // refused
    Copy,  // a free slot: the item editor opens on the file, several files fill it and the free slots after it
    Link,  // a program's slot: the program opens the files
};

// What a drag carries, as the bar's view reads it: files, or an app of the Start menu, which has none and which no
// program opens.
enum class DragContent { Files, App };

// The effects that the drag's source allows.
struct AllowedEffects {
    bool copy = true;
    bool link = true;
};

// The slot whose cell holds the point (twips of the client area); nothing between or beyond the cells.
std::optional<int> SlotAt(const BarControls& controls, float x, float y);

// The dropped files as a program's arguments, separated by blanks: each path in double quotes, written so that the C
// runtime's reading of a command line gives it back whole ("D:\" is "D:\\", whose last backslash is no escape).
std::wstring QuotedArguments(const std::vector<std::wstring>& files);

// What the bar says of the files of a drop that found no free slot, given their names.
std::wstring SansEmplacementTexte(const std::vector<std::wstring>& names);

}  // namespace zudav
