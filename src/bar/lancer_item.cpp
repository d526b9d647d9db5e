#include "bar/lancer_item.h"

#include "bar/principal.h"
#include "platform/paths.h"
#include "platform/program_file.h"

namespace zudav {

std::wstring CommandLine(const std::wstring& path, const std::wstring& arguments, bool quoted) {
    std::wstring command = quoted ? L"\"" + path + L"\"" : path;
    if (!arguments.empty()) {
        command += L" " + arguments;
    }
    return command;
}

std::wstring ErreurFichierTexte(const std::wstring& sautLigne) {
    return L"Le fichier recherch\u00e9 n'existe plus" + sautLigne + L"ou il a chang\u00e9 de place." + sautLigne +
           sautLigne + L"Impossible de charger ce fichier.";
}

std::wstring OuvrirAvecQuestion(const std::wstring& sautLigne) {
    return kAucunProgramme + sautLigne + sautLigne + L"Choisir le programme qui doit l'ouvrir ?";
}

void Principal::LancerItem(std::int16_t n, bool asAdministrator) {
    if (BringModalForward()) {
        return;
    }
    model_.Reload();  // the item and the options as stored now: another program may have changed them
    Lancer(n, platform_.ExpandEnvironment(model_.Item(n).ligne), asAdministrator);
}

// Any step of a launch that fails ends it with the message, which the screen reader also hears at once.
void Principal::FailLaunch() {
    const std::wstring text = ErreurFichierTexte(kSautLigne);
    window_.Announce(text);
    Modal([&] { platform_.ShowMessage(kErreurFichierTitre, text, MessageIcon::Stop); });
}

// A file that no program opens: Windows' "Open with" is offered, as Explorer offers it.
void Principal::OfferOpenWith(const std::wstring& file) {
    const std::wstring question = OuvrirAvecQuestion(kSautLigne);
    window_.Announce(question);
    bool yes = false;
    Modal([&] { yes = platform_.AskYesNo(kErreurFichierTitre, question, MessageIcon::Exclamation); });
    if (yes) {
        platform_.OpenWith(file);
    }
}

// What the shell answered for a program or a file it was asked to start: started, the bar gets out of the way.
void Principal::AfterStart(StartResult result, const std::wstring& file) {
    if (result == StartResult::Cancelled) {
        return;  // the user said no to the administrator prompt: nothing to report
    }
    if (result == StartResult::NoAssociation) {
        return OfferOpenWith(file);
    }
    if (result != StartResult::Started) {
        return FailLaunch();
    }
    platform_.DoEvents();
    const auto minimise = model_.Number(Option::RetourAuto);
    if (!minimise) {
        return FailLaunch();  // the program has started all the same
    }
    if (*minimise == 1 && hideEdge_ && !hidden_) {
        Hide();  // an auto-hide bar puts itself away at its edge, where the pointer finds it again
    } else if (*minimise == 1 && trayIcon_) {
        window_.Minimize();
    }
}

void Principal::Lancer(std::int16_t n, const std::wstring& arguments, bool asAdministrator) {
    // Environment variables are the item's own text until it is used, as in a shortcut.
    const BarItem item = model_.Item(n);  // a copy: a window the launch opens lets the bar refresh meanwhile
    const std::wstring path = platform_.ExpandEnvironment(item.chemin);
    if (path.empty()) {
        platform_.Beep();
        return;
    }
    // A path or a command line longer than Windows takes is never handed over: the shell may fault on it.
    if (!PathFitsWindows(path) || CommandLine(path, arguments, true).size() > kLongestCommandLine) {
        return FailLaunch();
    }
    if (OpensAsMenu(item, path, platform_)) {
        return OpenFolderMenu(n, path, asAdministrator);
    }
    const std::wstring barFolder = FolderOf(platform_.ExecutablePath());
    if (item.FlagUnreadable()) {
        return FailLaunch();
    }
    if (item.IsDocument()) {
        // A document: no window state, no arguments, no minimising, no administrator. Its "open" verb, or the default
        // one of a file that has no "open".
        constexpr int kNormal = 1;
        StartResult opened = platform_.StartWithShell({L"open", path, L"", barFolder, kNormal});
        if (opened == StartResult::NoAssociation) {
            opened = platform_.StartWithShell({L"", path, L"", barFolder, kNormal});
        }
        if (opened == StartResult::NoAssociation) {
            OfferOpenWith(path);
        } else if (opened != StartResult::Started && opened != StartResult::Cancelled) {
            FailLaunch();
        }
        return;
    }
    const auto state = item.WindowState();
    if (!state) {
        return FailLaunch();
    }
    // A program starts in its own folder, as from Explorer or a shortcut; a name typed alone in the bar's folder. What
    // is not there is not started: Windows would look for it elsewhere, or start the first words of its path.
    const auto target = ProgramToStart(path, barFolder, platform_);
    if (!target) {
        return FailLaunch();
    }
    StartResult result = StartResult::Other;
    if (asAdministrator) {
        result = platform_.StartWithShell({L"runas", target->file, arguments, target->folder, *state});
    } else {
        result = platform_.StartProcess(CommandLine(target->file, arguments, target->quoted), *state, target->folder);
        if (result != StartResult::Started) {
            // What the Run box would start and a process cannot be: a program that asks for administrator rights
            // (the shell shows the prompt), a shortcut, a document, a folder, an address, a shell: path. The shell's
            // default verb, as the Run box and a double click, on the file found, never on a name it would look for.
            result = platform_.StartWithShell({L"", target->file, arguments, target->folder, *state});
        }
    }
    AfterStart(result, target->file);
}

}  // namespace zudav
