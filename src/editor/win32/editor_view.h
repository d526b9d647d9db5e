// The Win32 window of the item editor frmAjouteEnleve ("Ajouter / Enlever"), shown modally over the bar.
#pragma once

#include <windows.h>

#include <string>

#include "bar/model/bar_model.h"
#include "platform/platform.h"
#include "platform/shell_item.h"

namespace zudav::win32 {

// Edits the item of a slot and returns when the editor is closed; a file or an app dropped on the slot (if its path is
// not empty) fills the editor as if browsed for.
void ShowEditor(HWND owner,
                Platform& platform,
                BarModel& model,
                int slot,
                HICON placeholder,
                const ShellItem& dropped = {});

}  // namespace zudav::win32
