// Test double of the configuration window's view: what each box shows as text, and the user's answers to the
// file dialog and the input box, in order.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "bar/model/stored_keys.h"
#include "config/config_window.h"

namespace zudav {

class FakeConfigWindow : public ConfigWindow {
  public:
    IconLookup DrawFirstIcon(int position, const std::wstring& path) override;
    bool LoadPicture(int position, const std::wstring& path) override;
    void ShowFreeSlotPicture(int position) override { ico[position] = L"free"; }
    void ClearPicture(int position) override { ico[position].clear(); }
    void ShowSelection(int position) override { image2 = ico[position]; }
    void ClearSelection() override { image2.clear(); }
    void ShowBarIcon() override { image1 = L"bar icon"; }
    bool LoadApplicationIcon(const std::wstring& path) override;
    std::optional<std::wstring> AskOpenFile(const std::wstring& filter, const std::wstring& initialName) override;
    std::optional<std::wstring> AskSaveFile(const std::wstring& filter, const std::wstring& initialName) override;
    std::optional<std::wstring> AskText(const std::wstring& prompt, const std::wstring& title) override;
    void ShowFields() override { showing ? showing() : void(); }
    void Close() override { ++closes; }

    std::set<std::wstring> filesWithIcon;
    std::set<std::wstring> pictureFiles;
    // What each box shows: "" (clear), "icon:<path>", "picture:<path>", "free", "bar icon".
    std::array<std::wstring, kSlotCount> ico;
    std::wstring image1;
    std::wstring image2;
    // The user's answers to the next dialogs and input boxes, in order; none left, or nothing: cancelled.
    std::vector<std::optional<std::wstring>> files;
    std::vector<std::optional<std::wstring>> texts;
    std::vector<std::wstring> filters;                           // of the dialogs shown
    std::vector<std::wstring> savedNames;                        // the names the save dialogs offered
    std::vector<std::pair<std::wstring, std::wstring>> prompts;  // prompt and title of the input boxes shown
    std::function<void()> showing;  // what a test reads of the logic's fields as the view shows them
    int closes = 0;
};

}  // namespace zudav
