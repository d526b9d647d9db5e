// How a launch reads an item: the command line it runs and the message it shows when that fails.
#pragma once

#include <cstddef>
#include <string>

namespace zudav {

// The path, then one blank and the arguments when there are any. A file's path is quoted, so that
// "C:\Program Files\Outil\outil.exe" is not read as "C:\Program" with arguments; an address or a shell name stays as
// typed.
std::wstring CommandLine(const std::wstring& path, const std::wstring& arguments, bool quoted);

// What Windows takes: a process's command line of 32,767 characters with its terminating zero; a path of MAX_PATH for
// the shell and the icon calls, which have no longer form. A tooltip is shown cut at its 1,024th character.
inline constexpr std::size_t kLongestCommandLine = 32766;
inline constexpr std::size_t kLongestPath = 259;
inline constexpr std::size_t kLongestTooltip = 1024;
inline bool PathFitsWindows(const std::wstring& path) {
    return path.size() <= kLongestPath;
}
inline std::wstring ShownTooltip(const std::wstring& tooltip) {
    return tooltip.substr(0, kLongestTooltip);
}

inline constexpr const wchar_t* kErreurFichierTitre = L"Erreur de fichier";
std::wstring ErreurFichierTexte(const std::wstring& sautLigne);
inline constexpr const wchar_t* kAucunProgramme = L"Aucun programme n'est associ\u00e9 \u00e0 ce fichier.";
// The question that offers Windows' "Open with" dialog for such a file.
std::wstring OuvrirAvecQuestion(const std::wstring& sautLigne);

}  // namespace zudav
