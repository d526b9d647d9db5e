# shellcheck shell=bash
# The import table of Zudav.exe may name only Windows' known DLLs (the KnownDLLs of Windows 10, which the system
# always takes from its own folder): a bar is a copy of Zudav.exe in any folder, and any other DLL it imported could
# be planted beside it. And its manifest asks to run as its user (asInvoker): without it, Windows takes a 32-bit bar
# named like an installer ("Setup.exe") for one and asks for administrator rights, and redirects its writes to
# Program Files and to the machine's registry into the user's virtual store instead of refusing them. Checked by
# `scripts/test` on the x64 and the x86 builds.

ZUDAV_KNOWN_DLLS=(
    advapi32 clbcatq combase comdlg32 coml2 difxapi gdi32 gdiplus imagehlp imm32 kernel32 msctf msvcrt normaliz
    nsi ole32 oleaut32 psapi rpcrt4 sechost setupapi shcore shell32 shlwapi user32 wldap32 ws2_32
)

# Usage: zudav_check_imports OBJDUMP EXECUTABLE
zudav_check_imports() {
    local objdump=$1 executable=$2 dll name known others=()
    local -a dlls
    mapfile -t dlls < <("$objdump" -p "$executable" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p')
    ((${#dlls[@]} > 0)) || zudav_die "no import table read from $executable"
    zudav_note "$executable imports: ${dlls[*]}"
    for dll in "${dlls[@]}"; do
        name=${dll,,}
        name=${name%.dll}
        for known in "${ZUDAV_KNOWN_DLLS[@]}"; do
            [[ $name == "$known" ]] && continue 2
        done
        others+=("$dll")
    done
    ((${#others[@]} == 0)) || zudav_die "$executable imports DLLs that are not known DLLs: ${others[*]}"
}

# Usage: zudav_check_manifest OBJCOPY EXECUTABLE
zudav_check_manifest() {
    local objcopy=$1 executable=$2 resources
    resources=$(mktemp)
    if ! "$objcopy" -O binary --only-section=.rsrc "$executable" "$resources" ||
        ! LC_ALL=C grep -aq '<requestedExecutionLevel level="asInvoker" uiAccess="false"/>' "$resources"; then
        rm -f "$resources"
        zudav_die "the manifest in the resources of $executable does not ask to run as invoker"
    fi
    rm -f "$resources"
    zudav_note "$executable runs as invoker (requestedExecutionLevel asInvoker)"
}
