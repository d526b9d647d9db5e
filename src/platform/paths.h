// Pieces of a Windows path, taken apart the way the program needs them (backslash or slash separators).
#pragma once

#include <string>

namespace zudav {

// "C:\Outils\Zudav.exe" -> "Zudav": no folder, no extension.
std::wstring BaseName(const std::wstring& path);
// "C:\Outils\Zudav.exe" -> "Zudav.exe"; a folder's path with its trailing backslash ("C:\Lettres\") -> "Lettres".
std::wstring FileNameOf(const std::wstring& path);
// "C:\Outils\Zudav.exe" -> "C:\Outils"; a file at the root keeps its backslash ("C:\").
std::wstring FolderOf(const std::wstring& path);
// folder + "\" + name, without doubling a trailing backslash.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);

// Names compared without regard to case, as the file system and the environment compare them.
bool SameNameNoCase(const std::wstring& a, const std::wstring& b);

// A full path as Windows resolves it: "/" read as "\", the "\\?\" prefix dropped ("\\?\UNC\s\p" -> "\\s\p"),
// "." and ".." taken away, no trailing separator but a root's ("C:\Programmes\..\Outils\" -> "C:\Outils").
std::wstring PlainFullPath(const std::wstring& path);
// True when the path is the folder or lies inside it, both full (compared without regard to case, at a separator:
// "C:\Program Files (x86)" is not in "C:\Program Files").
bool IsInFolder(const std::wstring& path, const std::wstring& folder);

// Why a name cannot stand for one file in a folder: empty, one of \ / : * ? " < > | or a control character, a device
// name (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, with or without an extension), or a dot or a blank at its end,
// which Windows would drop.
enum class FileNameFault { None, Empty, Character, Device, Ending };
FileNameFault FaultOfFileName(const std::wstring& name);
inline bool IsPlainFileName(const std::wstring& name) {
    return FaultOfFileName(name) == FileNameFault::None;
}

}  // namespace zudav
