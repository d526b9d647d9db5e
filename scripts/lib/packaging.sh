# shellcheck shell=bash
# The release for Windows users, made from the x64, x86 and ARM64 builds: a portable zip of each, the per-user installer
# of the x64 build (Windows on ARM runs it emulated), their SHA256SUMS, and the manifests of the Windows Package Manager
# (winget) and of Scoop filled with the real hashes. `scripts/release` makes it into dist/; `scripts/test` makes it into build/dist from the builds it has
# just made and checks it (zudav_check_release), in seconds.
# Sourced, never run. The version is the one CMakeLists.txt states; the site is the one the About box shows.

# What the release needs besides a shell and the Zig toolchain (zudav_ensure_zig): the builds' tools (clang-14 is
# llvm-windres's preprocessor, llvm-14's tools read the ARM64 program), the help compiler, the installer's and the zips'
# tools, and Python with YAML to write and read the manifests (entries of ZUDAV_PACKAGES in deps.sh).
ZUDAV_RELEASE_PACKAGES=(cmake make g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix clang-14 llvm-14 npm fp-utils
    wixl msitools zip unzip python3 python3-yaml)

# The portable zips: the architecture in a zip's name, and the processor of its Zudav.exe (as llvm-readobj names it).
ZUDAV_ZIP_ARCHITECTURES=(win64:AMD64 win32:I386 arm64:ARM64)

# The files of a portable bar, in the zips and in the installation folder.
ZUDAV_RELEASE_FILES=(Zudav.exe Zudav.chm LICENSE LISEZMOI.txt)
# The zips only: the .ini of the bar's name beside it makes the bar portable (its settings in that file, none in the
# registry). Empty of values: a UTF-8 byte order mark and the section alone, as the bar writes it.
ZUDAV_PORTABLE_INI=Zudav.ini
ZUDAV_PORTABLE_INI_TEXT=$'\xef\xbb\xbf[Donnees]\r\n'

ZUDAV_WINGET_ID=Zudav.Zudav
ZUDAV_PUBLISHER="The Zudav authors"

zudav_project_version() {
    sed -n 's/^project(Zudav VERSION \([0-9.]*\) .*/\1/p' "$ZUDAV_ROOT/CMakeLists.txt"
}

zudav_site_address() {
    sed -n 's/.*kAdresseSiteWeb = L"\([^"]*\)".*/\1/p' "$ZUDAV_ROOT/src/about/frm_about.h"
}

# A text of an executable's version information (UTF-16 strings: the name, then its value).
zudav_version_text() {
    x86_64-w64-mingw32-strings -el "$1" | grep -A1 -x "$2" | sed -n 2p
}

# The names of the release's files, for a version: the zips, then the installer.
zudav_release_names() {
    printf '%s\n' "Zudav-$1-win64.zip" "Zudav-$1-win32.zip" "Zudav-$1-arm64.zip" "Zudav-$1-win64.msi"
}

# The processor of a Windows program (AMD64, I386, ARM64...).
zudav_pe_machine() {
    llvm-readobj-14 --file-headers "$1" 2>/dev/null | sed -n 's/^ *Machine: IMAGE_FILE_MACHINE_\([A-Z0-9]*\) .*/\1/p'
}

# A text file as Windows' Notepad reads it best: CRLF line ends, and UTF-8 said by a byte order mark.
zudav_windows_text() {
    printf '\xef\xbb\xbf'
    sed 's/$/\r/' "$1"
}

# Usage: zudav_package WIN64_BUILD WIN32_BUILD ARM64_BUILD OUT_DIR [DOWNLOAD_URL]
# DOWNLOAD_URL is where the release's files will be downloaded from (default: the site's /releases/VERSION/); it must
# hold the version, so that Scoop can find the later releases by the same pattern.
zudav_package() {
    local out version site url stage arch build found epoch product upgrade
    local -A builds=([win64]=$1 [win32]=$2 [arm64]=$3)
    out=$(realpath -m "$4")
    version=$(zudav_project_version)
    site=$(zudav_site_address)
    [[ -n $version && -n $site ]] || zudav_die "no version in CMakeLists.txt or no site in src/about/frm_about.h"
    url=${5:-$site/releases/$version/}
    [[ $url == */ ]] || url+=/
    [[ $url == *"/$version/"* ]] || zudav_die "the download address $url does not hold the version $version"

    rm -rf "$out"
    mkdir -p "$out/winget"
    stage=$(mktemp -d)
    # The zipped files are dated by the last commit, the release's own date, not by the time they were built.
    epoch=$(git -C "$ZUDAV_ROOT" log -1 --format=%ct 2>/dev/null || date +%s)
    for arch in win64 win32 arm64; do
        build=${builds[$arch]}
        found=$(zudav_version_text "$build/Zudav.exe" ProductVersion)
        [[ $found == "$version" ]] || zudav_die "$build/Zudav.exe is version '$found', not $version: build it again"
        mkdir "$stage/$arch"
        cp "$build/Zudav.exe" "$build/Zudav.chm" "$stage/$arch/"
        zudav_windows_text "$ZUDAV_ROOT/LICENSE" >"$stage/$arch/LICENSE"
        zudav_windows_text "$ZUDAV_ROOT/packaging/LISEZMOI.txt" >"$stage/$arch/LISEZMOI.txt"
        printf '%s' "$ZUDAV_PORTABLE_INI_TEXT" >"$stage/$arch/$ZUDAV_PORTABLE_INI"
        touch -d "@$epoch" "$stage/$arch"/*
        (cd "$stage/$arch" && zip -q -X "$out/Zudav-$version-$arch.zip" "${ZUDAV_RELEASE_FILES[@]}" \
            "$ZUDAV_PORTABLE_INI")
        rm "$stage/$arch/$ZUDAV_PORTABLE_INI"  # not in the installer
    done

    # The installer's product code is made from its upgrade code and the version: the same at each build of a version.
    upgrade=$(sed -n 's/.*UpgradeCode="\([^"]*\)".*/\1/p' "$ZUDAV_ROOT/packaging/Zudav.wxs")
    product=$(python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.UUID(sys.argv[1]), sys.argv[2])).upper())' \
        "$upgrade" "Zudav $version x64")
    cp "$ZUDAV_ROOT/src/resources/icons/zudav.ico" "$stage/win64/"
    (cd "$stage/win64" && wixl --arch x64 -D "Version=$version" -D "ProductCode=$product" -D "Site=$site" \
        -o "$out/Zudav-$version-win64.msi" "$ZUDAV_ROOT/packaging/Zudav.wxs") ||
        zudav_die "wixl could not build the installer"
    rm -rf "$stage"

    local -a names
    mapfile -t names < <(zudav_release_names "$version")
    (cd "$out" && sha256sum "${names[@]}" >SHA256SUMS)
    local zip_hash arm_hash msi_hash
    zip_hash=$(sha256sum "$out/${names[0]}" | cut -d' ' -f1)
    arm_hash=$(sha256sum "$out/${names[2]}" | cut -d' ' -f1)
    msi_hash=$(sha256sum "$out/${names[3]}" | cut -d' ' -f1)
    zudav_winget_manifests "$out/winget" "$version" "$site" "$url${names[3]}" "${msi_hash^^}" "{$product}" "{$upgrade}" \
        "$url${names[2]}" "${arm_hash^^}"
    zudav_scoop_manifest "$out/zudav.json" "$version" "$site" "$url" "${names[0]}" "$zip_hash" "${names[2]}" "$arm_hash"
    zudav_note "$(cd "$out" && du -b "${names[@]}" | awk '{ printf "%s%s %d KB", sep, $2, ($1 + 1023) / 1024; sep = ", " }')"
}

# Usage: zudav_winget_manifests FOLDER VERSION SITE INSTALLER_URL SHA256 PRODUCT_CODE UPGRADE_CODE ARM64_ZIP_URL SHA256
# The x64 installer, and for Windows on ARM the arm64 zip as a portable program (its Zudav.exe alone: a bar of the
# registry, as the installer's, whose settings outlive its updates).
zudav_winget_manifests() {
    local folder=$1 version=$2 site=$3 installer=$4 hash=$5 product=$6 upgrade=$7 arm_zip=$8 arm_hash=$9 schema=1.6.0
    local head="PackageIdentifier: $ZUDAV_WINGET_ID
PackageVersion: $version"
    cat >"$folder/$ZUDAV_WINGET_ID.yaml" <<EOF
# yaml-language-server: \$schema=https://aka.ms/winget-manifest.version.$schema.schema.json
$head
DefaultLocale: en-US
ManifestType: version
ManifestVersion: $schema
EOF
    cat >"$folder/$ZUDAV_WINGET_ID.installer.yaml" <<EOF
# yaml-language-server: \$schema=https://aka.ms/winget-manifest.installer.$schema.schema.json
$head
InstallerLocale: fr-FR
Scope: user
InstallModes:
  - interactive
  - silent
  - silentWithProgress
UpgradeBehavior: install
Installers:
  - Architecture: x64
    InstallerType: msi
    InstallerUrl: $installer
    InstallerSha256: $hash
    ProductCode: '$product'
    AppsAndFeaturesEntries:
      - DisplayName: Zudav
        Publisher: $ZUDAV_PUBLISHER
        DisplayVersion: $version
        ProductCode: '$product'
        UpgradeCode: '$upgrade'
    InstallationMetadata:
      DefaultInstallLocation: '%LOCALAPPDATA%\Programs\Zudav'
  - Architecture: arm64
    InstallerType: zip
    NestedInstallerType: portable
    NestedInstallerFiles:
      - RelativeFilePath: Zudav.exe
    InstallerUrl: $arm_zip
    InstallerSha256: $arm_hash
ManifestType: installer
ManifestVersion: $schema
EOF
    cat >"$folder/$ZUDAV_WINGET_ID.locale.en-US.yaml" <<EOF
# yaml-language-server: \$schema=https://aka.ms/winget-manifest.defaultLocale.$schema.schema.json
$head
PackageLocale: en-US
Publisher: $ZUDAV_PUBLISHER
PublisherUrl: $site
PackageName: Zudav
PackageUrl: $site
License: MIT
Copyright: Copyright (c) 2026 $ZUDAV_PUBLISHER
ShortDescription: A small launcher bar for the Windows desktop, with a French user interface.
Description: |-
  Zudav is a narrow window, always on top, with thirteen slots from which programs are started and documents
  opened in one click. Several bars can run side by side, each a copy of Zudav.exe under another name, with its
  own items, place and options, kept in the user's registry. It is installed for the current user only, without
  an administrator.
Moniker: zudav
Tags:
  - launcher
  - toolbar
  - dock
  - shortcuts
ManifestType: defaultLocale
ManifestVersion: $schema
EOF
    cat >"$folder/$ZUDAV_WINGET_ID.locale.fr-FR.yaml" <<EOF
# yaml-language-server: \$schema=https://aka.ms/winget-manifest.locale.$schema.schema.json
$head
PackageLocale: fr-FR
Publisher: $ZUDAV_PUBLISHER
PublisherUrl: $site
PackageName: Zudav
PackageUrl: $site
License: MIT
Copyright: Copyright (c) 2026 $ZUDAV_PUBLISHER
ShortDescription: Une petite barre de lancement pour le bureau de Windows.
Description: |-
  Zudav est une petite fenêtre toujours visible, avec treize emplacements : un clic lance un programme ou ouvre
  un document. Plusieurs barres peuvent tourner côte à côte, chacune copie de Zudav.exe sous un autre nom, avec
  ses éléments, sa place et ses options, rangés dans le registre de l'utilisateur. Elle s'installe pour
  l'utilisateur seul, sans administrateur.
Tags:
  - lanceur
  - barre-d-outils
  - raccourcis
ManifestType: locale
ManifestVersion: $schema
EOF
}

# Usage: zudav_scoop_manifest FILE VERSION SITE DOWNLOAD_URL ZIP_NAME SHA256 ARM64_ZIP_NAME SHA256
# A portable app without persisted folders: the bar keeps its settings in the registry. Scoop fills the later
# releases in from the same address with the version changed, and takes their hashes from their SHA256SUMS.
zudav_scoop_manifest() {
    local file=$1 version=$2 site=$3 url=$4 zip=$5 hash=$6 arm_zip=$7 arm_hash=$8
    local pattern=${url//$version/\$version} listing=${url%"$version/"}
    cat >"$file" <<EOF
{
    "version": "$version",
    "description": "A small launcher bar for the Windows desktop, with a French user interface.",
    "homepage": "$site",
    "license": "MIT",
    "notes": [
        "Zudav keeps each bar's settings in HKCU\\\\Software\\\\VB and VBA Program Settings.",
        "A new bar is a copy of Zudav.exe made beside it, in this version's folder: make it again after an update (its settings are kept)."
    ],
    "architecture": {
        "64bit": {
            "url": "$url$zip",
            "hash": "$hash"
        },
        "arm64": {
            "url": "$url$arm_zip",
            "hash": "$arm_hash"
        }
    },
    "shortcuts": [
        [
            "Zudav.exe",
            "Zudav"
        ]
    ],
    "checkver": {
        "url": "$listing",
        "regex": "Zudav-([\\\\d.]+)-win64\\\\.zip"
    },
    "autoupdate": {
        "architecture": {
            "64bit": {
                "url": "${pattern}Zudav-\$version-win64.zip"
            },
            "arm64": {
                "url": "${pattern}Zudav-\$version-arm64.zip"
            }
        },
        "hash": {
            "url": "\$baseurl/SHA256SUMS"
        }
    }
}
EOF
}

# Checks a release made by zudav_package: each zip holds exactly the files of a portable bar, with the empty .ini that
# keeps its settings beside it (the installer has none), and a Zudav.exe of its architecture, the very one of the build
# when the builds are given; SHA256SUMS lists the four files and `sha256sum -c` agrees; the installer is the project's
# version, for one user without an administrator; the manifests parse and carry the files' real hashes, names and
# product code, for x64 and arm64.
# Usage: zudav_check_release OUT_DIR [WIN64_BUILD WIN32_BUILD ARM64_BUILD]
zudav_check_release() {
    local out=$1 version name arch build listed expected machine
    local -A builds=()
    if (($# == 4)); then
        builds=([win64]=$2 [win32]=$3 [arm64]=$4)
    fi
    version=$(zudav_project_version)
    local -a names
    mapfile -t names < <(zudav_release_names "$version")
    expected=$(printf '%s\n' "${ZUDAV_RELEASE_FILES[@]}" "$ZUDAV_PORTABLE_INI" | sort)
    for arch in "${ZUDAV_ZIP_ARCHITECTURES[@]}"; do
        name="Zudav-$version-${arch%%:*}.zip"
        listed=$(unzip -Z1 "$out/$name" | sort) || zudav_die "$name cannot be read"
        [[ $listed == "$expected" ]] || zudav_die "$name holds ${listed//$'\n'/ }, not ${expected//$'\n'/ }"
        unzip -p "$out/$name" Zudav.exe >"$out/.Zudav.exe"
        machine=$(zudav_pe_machine "$out/.Zudav.exe")
        [[ $machine == "${arch#*:}" ]] || zudav_die "the Zudav.exe of $name is built for '$machine', not ${arch#*:}"
        build=${builds[${arch%%:*}]:-}
        if [[ -n $build ]]; then
            cmp -s "$out/.Zudav.exe" "$build/Zudav.exe" || zudav_die "the Zudav.exe of $name is not $build/Zudav.exe"
        fi
        [[ $(unzip -p "$out/$name" "$ZUDAV_PORTABLE_INI" | od -An -c) == "$(printf '%s' "$ZUDAV_PORTABLE_INI_TEXT" |
            od -An -c)" ]] || zudav_die "the $ZUDAV_PORTABLE_INI of $name is not an empty bar's settings"
        rm -f "$out/.Zudav.exe"
        zudav_note "$name: ${listed//$'\n'/ }; Zudav.exe for ${arch#*:}${build:+, the same as $build/Zudav.exe}"
    done
    [[ $(cut -d' ' -f3 "$out/SHA256SUMS" | sort) == $(printf '%s\n' "${names[@]}" | sort) ]] ||
        zudav_die "SHA256SUMS does not list exactly ${names[*]}"
    (cd "$out" && sha256sum -c --quiet SHA256SUMS) || zudav_die "the files do not match SHA256SUMS"

    local msi="$out/${names[3]}" properties source
    properties=$(msiinfo export "$msi" Property | tr -d '\r') || zudav_die "${names[3]} cannot be read"
    [[ $(awk -F'\t' '$1 == "ProductVersion" { print $2 }' <<<"$properties") == "$version" ]] ||
        zudav_die "${names[3]} is not version $version"
    # Installed for one user: no ALLUSERS, and the summary's "no elevated privileges" bit (Word Count, 8).
    ! grep -q '^ALLUSERS' <<<"$properties" || zudav_die "${names[3]} installs for all users"
    source=$(msiinfo suminfo "$msi" | sed -n 's/^Source: \([0-9]*\).*/\1/p')
    ((source & 8)) || zudav_die "${names[3]} asks for an administrator (summary Source $source)"
    for name in "${ZUDAV_RELEASE_FILES[@]}"; do
        msiinfo export "$msi" File | cut -f3 | grep -qx "$name" || zudav_die "${names[3]} does not install $name"
    done
    ! msiinfo export "$msi" File | cut -f3 | grep -qix "$ZUDAV_PORTABLE_INI" ||
        zudav_die "${names[3]} installs $ZUDAV_PORTABLE_INI: the installed bar would not keep its settings per user"

    local product
    product=$(awk -F'\t' '$1 == "ProductCode" { print $2 }' <<<"$properties")
    /usr/bin/python3 - "$out" "$version" "$product" "${names[@]}" <<'EOF' || zudav_die "the manifests are wrong"
import hashlib, json, pathlib, sys, yaml
out, version, product, zip64, _, zip_arm, msi = pathlib.Path(sys.argv[1]), *sys.argv[2:]
sha = {name: hashlib.sha256((out / name).read_bytes()).hexdigest() for name in (zip64, zip_arm, msi)}
winget = {path.name: yaml.safe_load(path.read_text(encoding="utf-8")) for path in (out / "winget").glob("*.yaml")}
kinds = sorted(manifest["ManifestType"] for manifest in winget.values())
assert kinds == ["defaultLocale", "installer", "locale", "version"], kinds
assert all(m["PackageVersion"] == version for m in winget.values()), "a winget manifest of another version"
installer = next(m for m in winget.values() if m["ManifestType"] == "installer")
assert installer["Scope"] == "user", installer
entries = {entry["Architecture"]: entry for entry in installer["Installers"]}
assert sorted(entries) == ["arm64", "x64"], entries
x64, arm64 = entries["x64"], entries["arm64"]
assert x64["InstallerSha256"].lower() == sha[msi] and x64["InstallerUrl"].endswith("/" + msi), x64
assert x64["InstallerType"] == "msi" and x64["ProductCode"] == product, x64
assert x64["AppsAndFeaturesEntries"][0]["ProductCode"] == product, x64
assert arm64["InstallerSha256"].lower() == sha[zip_arm] and arm64["InstallerUrl"].endswith("/" + zip_arm), arm64
assert arm64["InstallerType"] == "zip" and arm64["NestedInstallerType"] == "portable", arm64
assert [f["RelativeFilePath"] for f in arm64["NestedInstallerFiles"]] == ["Zudav.exe"], arm64
scoop = json.loads((out / "zudav.json").read_text(encoding="utf-8"))
assert scoop["version"] == version and "bin" not in scoop and "persist" not in scoop, scoop
for key, name in (("64bit", zip64), ("arm64", zip_arm)):
    arch = scoop["architecture"][key]
    assert arch["hash"] == sha[name] and arch["url"].endswith("/" + name), arch
    assert scoop["autoupdate"]["architecture"][key]["url"].endswith(name.replace(version, "$version")), scoop
assert scoop["shortcuts"][0][0] == "Zudav.exe"
print("    manifests: winget (%s) and Scoop carry the hashes of the installer (x64) and of the x64 and arm64 zips"
      % ", ".join(sorted(winget)))
EOF
    zudav_note "release $version in $out: zips, installer (per user) and SHA256SUMS as they should be"
}

# Starts the bar of the x64 zip as a user would, unzipped into a folder of its own, inside a running Wine session:
# moved and closed, it keeps its place in the Zudav.ini beside it and writes nothing under the registry's key of the
# bars' settings.
# Usage: zudav_check_portable_zip OUT_DIR PROBE
zudav_check_portable_zip() {
    local out=$1 probe=$2 folder key='HKCU\Software\VB and VBA Program Settings' pid
    folder=$(mktemp -d "$ZUDAV_WINE_DIR/portable.XXXXXX")
    unzip -q "$out/Zudav-$(zudav_project_version)-win64.zip" -d "$folder"
    zudav_wine reg delete "$key" /f </dev/null >/dev/null 2>&1 || true
    "$ZUDAV_WINE64" "$folder/Zudav.exe" </dev/null >"$folder.log" 2>&1 &
    pid=$!
    zudav_wine "$probe" wait ZudavPrincipal 30000 </dev/null >/dev/null || zudav_die "the zip's bar did not show"
    zudav_wine "$probe" close ZudavPrincipal 30000 </dev/null || zudav_die "the zip's bar did not close"
    zudav_poll 30 zudav_pid_gone "$pid" || zudav_die "the zip's bar did not end"
    wait "$pid" 2>/dev/null || true
    grep -q '^left=' <(tr -d '\r' <"$folder/Zudav.ini") || zudav_die "the zip's bar did not save its place in Zudav.ini"
    if zudav_wine reg query "$key" </dev/null >/dev/null 2>&1; then
        zudav_die "the zip's bar wrote settings in the registry: $(zudav_wine reg query "$key" /s </dev/null | tr -d '\r')"
    fi
    rm -rf "$folder" "$folder.log"
}
