# shellcheck shell=bash
# What scripts/test checks of each Zudav.exe it builds (x64, x86 and ARM64), none of which needs to run: it is a
# Windows program for the Windows subsystem, of its processor. Its import table names only Windows' known DLLs (the
# KnownDLLs of Windows 10, which the system always takes from its own folder): a bar is a copy of Zudav.exe in any
# folder, and any other DLL it imported could be planted beside it. Its manifest asks to run as its user (asInvoker:
# without it, Windows takes a 32-bit bar named like an installer ("Setup.exe") for one and asks for administrator
# rights, and redirects its writes to Program Files and to the machine's registry into the user's virtual store
# instead of refusing them) and to be told each monitor's DPI (per-monitor awareness, version 2 where Windows has it).
# Its version information names the program and the project's version. LLVM's tools read all three kinds of PE.
# Sourced with packaging.sh, whose zudav_project_version and zudav_version_text it uses.

ZUDAV_KNOWN_DLLS=(
    advapi32 clbcatq combase comdlg32 coml2 difxapi gdi32 gdiplus imagehlp imm32 kernel32 msctf msvcrt normaliz
    nsi ole32 oleaut32 psapi rpcrt4 sechost setupapi shcore shell32 shlwapi user32 wldap32 ws2_32
)

# The target that x64 Zudav.exe must stay under, in KB of 1024 bytes (the benchmarks' target too).
ZUDAV_X64_SIZE_LIMIT_KB=450

# Usage: zudav_check_program EXECUTABLE MACHINE (AMD64, I386 or ARM64)
zudav_check_program() {
    local executable=$1 machine=$2 headers
    [[ -f $executable ]] || zudav_die "no $executable"
    headers=$(llvm-readobj-14 --file-headers "$executable") || zudav_die "$executable is not a PE file"
    grep -q "Machine: IMAGE_FILE_MACHINE_$machine " <<<"$headers" ||
        zudav_die "$executable is not built for $machine: $(grep -m1 'Machine:' <<<"$headers")"
    grep -q 'Subsystem: IMAGE_SUBSYSTEM_WINDOWS_GUI ' <<<"$headers" ||
        zudav_die "$executable is not a program of the Windows subsystem: $(grep -m1 'Subsystem:' <<<"$headers")"
    zudav_note "$executable: $machine, Windows subsystem, $(stat -c %s "$executable") bytes"
    zudav_check_imports "$executable"
    zudav_check_resources "$executable"
}

# Usage: zudav_check_imports EXECUTABLE
zudav_check_imports() {
    local executable=$1 dll name known others=()
    local -a dlls
    mapfile -t dlls < <(llvm-objdump-14 -p "$executable" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p')
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

# Usage: zudav_check_resources EXECUTABLE: the manifest and the version information.
zudav_check_resources() {
    local executable=$1 resources version problem="" name expected found
    version=$(zudav_project_version)
    resources=$(mktemp)
    llvm-objcopy-14 -O binary --only-section=.rsrc "$executable" "$resources" ||
        { rm -f "$resources"; zudav_die "no resources read from $executable"; }
    if ! LC_ALL=C grep -aq '<requestedExecutionLevel level="asInvoker" uiAccess="false"/>' "$resources"; then
        problem="its manifest does not ask to run as invoker"
    elif ! LC_ALL=C grep -aq '<dpiAware xmlns="[^"]*">true/pm</dpiAware>' "$resources" ||
        ! LC_ALL=C grep -aq '<dpiAwareness xmlns="[^"]*">PerMonitorV2' "$resources"; then
        problem="its manifest does not ask for the DPI of each monitor (true/pm, PerMonitorV2)"
    fi
    for name in ProductName:Zudav InternalName:Zudav OriginalFilename:Zudav.exe FileVersion:"$version" \
        ProductVersion:"$version"; do
        expected=${name#*:}
        found=$(zudav_version_text "$resources" "${name%%:*}")
        [[ -n $problem || $found == "$expected" ]] || problem="its version information has ${name%%:*} '$found', not '$expected'"
    done
    rm -f "$resources"
    [[ -z $problem ]] || zudav_die "$executable: $problem"
    zudav_note "$executable runs as invoker, aware of each monitor's DPI; its version information: Zudav $version"
}

# Usage: zudav_check_size EXECUTABLE LIMIT_KB
zudav_check_size() {
    local executable=$1 limit=$2 bytes
    bytes=$(stat -c %s "$executable")
    ((bytes <= limit * 1024)) || zudav_die "$executable is $((bytes / 1024)) KB, over its target of $limit KB"
    zudav_note "$executable: $((bytes / 1024)) KB, within its target of $limit KB"
}
