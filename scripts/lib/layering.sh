# shellcheck shell=bash
# The source tree's two dependency rules, checked by `scripts/test`:
# - only the win32/ folders and src/main.cpp include Windows headers (the logic builds and runs anywhere);
# - nothing under src/platform includes a window's folder (bar/, editor/, config/, about/): dependencies
#   point down only;
# - the program writes and reads numbers with its own conversions (bar/settings/conversions.h), never with
#   std::to_wstring, the printf family or strtod: MinGW-w64 links its own copies of those into Zudav.exe (some 40 KB).

zudav_check_layering() {
    local windows_headers='#[[:space:]]*include[[:space:]]*[<"](windows|windowsx|winuser|wingdi|winreg|shellapi|shlobj|shobjidl|commctrl|commdlg|objbase|ole2|oleidl|htmlhelp)\.h[>"]'
    local leaks upward numbers
    leaks=$(grep -rlE "$windows_headers" src --include='*.cpp' --include='*.h' \
        | grep -vE '(^|/)win32/|^src/main\.cpp$' || true)
    upward=$(grep -rnE '#[[:space:]]*include[[:space:]]*"(bar|editor|config|about)/' src/platform || true)
    if [[ -n $leaks ]]; then
        printf 'Windows headers outside a win32/ folder:\n%s\n' "$leaks" >&2
    fi
    if [[ -n $upward ]]; then
        printf 'src/platform includes a window'"'"'s folder:\n%s\n' "$upward" >&2
    fi
    numbers=$(grep -rnE 'std::to_wstring\(|printf\(|\b(strto|wcsto)(d|f|ld)\(|std::sto(d|f|ld)\(' src \
        --include='*.cpp' --include='*.h' | grep -v '/fake/' || true)
    if [[ -n $numbers ]]; then
        printf 'C library conversions of numbers (use bar/settings/conversions.h):\n%s\n' "$numbers" >&2
    fi
    [[ -z $leaks && -z $upward && -z $numbers ]] || zudav_die "the source tree breaks its layering rules"
    zudav_note "layering: Windows headers only in win32/ folders and main.cpp; platform/ depends on no window;"
    zudav_note "numbers written and read by conversions.h, not by the C library's printf and strtod"
}
