#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package of this build with CPack and checks what apt would install: exactly
# the program, manual page, menu entry, metainfo, icons, Debian's documents and lintian overrides;
# Depends naming the Qt, exiv2 and libheif libraries and Qt's image plugins; the package's version
# reported by the program without a display; the program's hardening when the build has Debian's
# build flags; lintian and appstreamcli where installed.
# usage: package_test.sh <build folder>; 77: no packaging tools.
set -uo pipefail
# shellcheck source-path=SCRIPTDIR

here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"

build=${1:?usage: $0 <build folder>}
for tool in cpack dpkg-deb dpkg-shlibdeps file; do
    command -v "$tool" >/dev/null || skip "$tool is not installed: the package is not checked"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 ||
    fail "cpack could not build the package: $(cat "$work/cpack.log")"
deb=$(echo "$work"/out/*.deb)
[ -f "$deb" ] || fail "cpack made no single package: $deb"

files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort)
metainfo=$(grep -x 'usr/share/metainfo/[^/]*\.metainfo\.xml' <<<"$files")
expected=$(printf '%s\n' usr/bin/kestrelmark usr/share/man/man1/kestrelmark.1.gz \
    usr/share/applications/kestrelmark.desktop usr/share/lintian/overrides/kestrelmark \
    usr/share/bash-completion/completions/kestrelmark \
    "$metainfo" usr/share/doc/kestrelmark/{copyright,changelog.gz} \
    usr/share/icons/hicolor/{16x16,32x32,48x48,128x128}/apps/kestrelmark.png \
    usr/share/kestrelmark/translations/kestrelmark_de.qm | sort)
[ "$files" = "$expected" ] || fail "the package holds other files than expected:
$(diff <(echo "$expected") <(echo "$files"))"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 'libexiv2-[0-9]+' 'libheif[0-9]+' \
    fonts-liberation2 qt6-image-formats-plugins qt6-translations-l10n; do
    grep -Eq "(^|, )$library( |,|$)" <<<"$depends" || fail "Depends does not name $library: $depends"
done

dpkg-deb -x "$deb" "$work/root"
reported=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$work/root/usr/bin/kestrelmark" --version) || fail "kestrelmark --version failed without a display"
[ "$reported" = "Kestrelmark $(dpkg-deb -f "$deb" Version)" ] ||
    fail "the program reports \"$reported\" in package version $(dpkg-deb -f "$deb" Version)"
german=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANG=de_DE.UTF-8 LC_ALL= LANGUAGE= \
    "$work/root/usr/bin/kestrelmark" --help) || fail "kestrelmark --help failed in German"
grep -q 'Benennt die Fotos eines Ordners' <<<"$german" ||
    fail "the packaged program does not speak German: $german"
mkdir -p "$work/photos" "$work/home"
touch "$work/photos/b.jpg" "$work/photos/a.jpg"
planned=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work/home" \
    XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data" \
    "$work/root/usr/bin/kestrelmark" rename "$work/photos") ||
    fail "kestrelmark rename failed without a display"
grep -q '^a.jpg  foto_001.jpg$' <<<"$planned" || fail "the dry run shows: $planned"
[ -f "$work/photos/a.jpg" ] || fail "the dry run renamed a photo"
echo "ok: files, Depends ($depends), version ($reported), German and a dry run"

hardened=false
grep -qx 'KESTRELMARK_DEBIAN_BUILD_FLAGS:BOOL=ON' "$build/CMakeCache.txt" && hardened=true
if $hardened; then
    elf=$(readelf -ldW --dyn-syms "$work/root/usr/bin/kestrelmark")
    grep -q GNU_RELRO <<<"$elf" || fail "the program has no read-only relocations"
    grep -Eq 'BIND_NOW|FLAGS_1.* NOW' <<<"$elf" ||
        fail "the program's relocations are not bound at start (no BIND_NOW)"
    grep -q __stack_chk_fail <<<"$elf" || fail "the program has no stack protector"
    # The compiler calls a fortified function only where it cannot prove the size safe, so the
    # flag is looked for where the program was compiled.
    grep -q -- '-D_FORTIFY_SOURCE=' "$build/compile_commands.json" || fail "not built fortified"
    echo "ok: relro, bindnow, stack protector and fortify"
else
    echo "not built with KESTRELMARK_DEBIAN_BUILD_FLAGS: the hardening is not checked"
fi

if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$work/root/$metainfo" || fail "appstreamcli refuses $metainfo"
fi
if command -v lintian >/dev/null; then
    found=$(lintian --pedantic --display-info --fail-on error "$deb") || fail "lintian finds errors in the package:
$found"
    [ -z "$found" ] || echo "$found"
    ! grep -q no-manual-page <<<"$found" || fail "lintian finds no manual page"
    ! $hardened || ! grep -q ' hardening-' <<<"$found" || fail "lintian finds hardening missing"
fi
