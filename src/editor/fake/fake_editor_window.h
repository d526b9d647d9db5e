// Test double of the item editor's window: the preview as text and the file dialog's answers, in order.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "editor/editor_window.h"

namespace zudav {

class FakeEditorWindow : public EditorWindow {
  public:
    IconLookup DrawFirstIcon(const std::wstring& path) override;
    bool LoadPicture(const std::wstring& path) override;
    void ShowPlaceholder() override { preview = L"placeholder"; }
    void ClearPicture() override { preview.clear(); }
    std::optional<std::wstring> AskOpenFile(const std::wstring& filter, const std::wstring& initialName) override;
    // Answers with the next of `answers` as a file, or the next of `programAnswers` when one is queued.
    std::optional<ShellItem> AskProgram(const std::wstring& filter, const std::wstring& initialName) override;
    void Close() override { ++closes; }

    struct Dialog {
        std::wstring filter;
        std::wstring initialName;
    };

    std::set<std::wstring> filesWithIcon;
    std::set<std::wstring> pictureFiles;
    // What the preview shows: "" (clear), "icon:<path>", "picture:<path>", "placeholder".
    std::wstring preview;
    // The user's answers to the next dialogs, in order; nothing: cancelled.
    std::vector<std::optional<std::wstring>> answers;
    // The program dialog's answers, as Windows gives them (an app, or a file reached through the Applications folder).
    std::vector<std::optional<ShellItem>> programAnswers;
    std::vector<Dialog> dialogs;
    int closes = 0;
};

}  // namespace zudav
