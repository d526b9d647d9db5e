# shellcheck shell=bash
# Installs, with apt-get, whatever the build, the tests and `scripts/run` need and the machine lacks.
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
)

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
