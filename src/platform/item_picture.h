// What an item of the bar is, from its path, and so which picture stands for it and which name the item editor
// suggests for it: a program's own icon, the shell's picture of a document, a folder, a shortcut, a shell name or an
// app, the default browser's icon for an address.
#pragma once

#include <optional>
#include <string>

namespace zudav {

// An address a browser opens (http://, https://, ftp://, file://...): a scheme of two letters or more, then "://".
bool IsAddress(const std::wstring& path);
// A name of the shell's namespace: "shell:Downloads", "shell:AppsFolder\<application id>", "::{CLSID}".
bool IsShellName(const std::wstring& path);
// The scheme of an address, without "://".
std::wstring AddressScheme(const std::wstring& path);

// What the file system says of a path that is neither an address nor a shell name.
struct PathFacts {
    bool exists = false;
    bool folder = false;
    bool holdsIcons = false;  // an executable, a library or an icon file (by its first bytes)
};

enum class PictureRoad {
    OwnIcon,       // the file's first icon, made at the slot's size
    ShellPicture,  // the shell's picture of the item: a document's type, a shortcut's choice, a folder, an app
    BrowserIcon,   // the icon of the program that opens the address
    Missing,       // nothing to show: the placeholder
};
PictureRoad PictureRoadOf(const std::wstring& path, const PathFacts& facts);

// The name the item editor suggests for an item: a file's name without its extension (only a real one, after the
// last backslash), a folder's name, an address's host, a shell name's display name (as the shell gives it, else its
// last part). Nothing when that leaves no name.
std::optional<std::wstring> DisplayNameOf(const std::wstring& path,
                                          bool folder,
                                          const std::optional<std::wstring>& shellName);

}  // namespace zudav
