#include "bar/fake/fake_bar_window.h"

namespace zudav {

IconLookup FakeBarWindow::DrawFirstIcon(int box, const std::wstring& path, Reading reading) {
    picturesMade.push_back(box);
    tooLongHandedOver += path.size() > kMaxPath ? 1 : 0;
    if (ReadAway(path, reading)) {
        pictures[box] = L"away:" + path;
        return IconLookup::Drawn;
    }
    if (filesWithIcon.count(path) > 0) {
        pictures[box] = L"icon:" + path;
        return IconLookup::Drawn;
    }
    return filesWithoutIconKind.count(path) > 0 ? IconLookup::NotIconKind : IconLookup::NoIcon;
}

bool FakeBarWindow::LoadPicture(int box, const std::wstring& path, Reading reading) {
    picturesMade.push_back(box);
    tooLongHandedOver += path.size() > kMaxPath ? 1 : 0;
    if (ReadAway(path, reading)) {
        pictures[box] = L"away:" + path;
        return true;
    }
    if (pictureFiles.count(path) == 0) {
        return false;
    }
    pictures[box] = L"picture:" + path;
    return true;
}

bool FakeBarWindow::ReadAway(const std::wstring& path, Reading reading) const {
    if (reading == Reading::InPlace && readsFile) {
        readsFile(path);
    }
    return reading == Reading::Away;
}

void FakeBarWindow::ShowBuiltInPicture(int box, BuiltInPicture picture) {
    pictures[box] = picture == BuiltInPicture::Placeholder ? L"placeholder" : L"free";
}

void FakeBarWindow::ShowAbout() {
    ++aboutShown;
    if (duringModal) {
        duringModal();
    }
}

void FakeBarWindow::PopupMenuAide(bool proposIsDefault, std::optional<PixelPoint> at) {
    menuPopups.push_back(proposIsDefault);
    menuPlaces.push_back(at);
    if (duringModal) {
        duringModal();
    }
}

void FakeBarWindow::ShowConfiguration() {
    ++configurationShown;
    if (duringModal) {
        duringModal();
    }
}

void FakeBarWindow::ShowItemEditor(int slot) {
    ShowItemEditorForFile(slot, L"");
}

void FakeBarWindow::ShowItemEditorForFile(int slot, const std::wstring& file) {
    ++editorShown;
    editorSlots.push_back(slot);
    editorFiles.push_back(file);
    if (duringModal) {
        duringModal();
    }
}

void FakeBarWindow::ShowItemEditorForApp(int slot, const ShellItem& app) {
    ++editorShown;
    editorSlots.push_back(slot);
    editorApps.push_back(app);
    if (duringModal) {
        duringModal();
    }
}

// The window system refuses negative sizes; positions may be anything.
bool FakeBarWindow::SetLeft(float twips) {
    bounds.left = restored.left = twips;
    return true;
}

bool FakeBarWindow::SetTop(float twips) {
    bounds.top = restored.top = twips;
    return true;
}

bool FakeBarWindow::SetWidth(float twips) {
    if (twips < 0) {
        return false;
    }
    const bool changed = bounds.width != twips;
    bounds.width = restored.width = twips;
    if (changed && onResize) {
        onResize();
    }
    return true;
}

bool FakeBarWindow::SetHeight(float twips) {
    if (twips < 0) {
        return false;
    }
    const bool changed = bounds.height != twips;
    bounds.height = restored.height = twips;
    if (changed && onResize) {
        onResize();
    }
    return true;
}

bool FakeBarWindow::LoadIconFile(const std::wstring& path, Reading reading) {
    if (ReadAway(path, reading)) {
        icon = L"away:" + path;
        return true;
    }
    if (loadableIcons.count(path) == 0) {
        return false;
    }
    icon = path;
    return true;
}

}  // namespace zudav
