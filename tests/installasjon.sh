#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built program into a temporary root and checks the program, its menu entry and
# its icon are there; then, where cpack and dpkg-deb exist, builds the Debian package and
# checks that it unpacks to the same files and declares its dependencies.
set -euo pipefail
bygg=${1:?build directory}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

filer=(usr/bin/balvo
       usr/share/applications/balvo.desktop
       usr/share/icons/hicolor/scalable/apps/balvo.svg
       usr/share/balvo/translations/balvo_nn.qm
       usr/share/balvo/translations/balvo_en.qm)

sjekk() {
    local rot=$1
    for f in "${filer[@]}"; do
        [ -f "$rot/$f" ] || { echo "mangler: $rot/$f" >&2; exit 1; }
    done
    [ -x "$rot/usr/bin/balvo" ] || { echo "ikke kjørbar: usr/bin/balvo" >&2; exit 1; }
    grep -qx 'Name=Balvo 2.0' "$rot/usr/share/applications/balvo.desktop"
    grep -qx 'Exec=balvo' "$rot/usr/share/applications/balvo.desktop"
    grep -qx 'Icon=balvo' "$rot/usr/share/applications/balvo.desktop"
    grep -qx 'Categories=Education;Math;' "$rot/usr/share/applications/balvo.desktop"
    grep -q '<svg' "$rot/usr/share/icons/hicolor/scalable/apps/balvo.svg"
    # Compiled translations: Qt's .qm files open with this magic number.
    for f in "$rot"/usr/share/balvo/translations/*.qm; do
        [ "$(head -c 4 "$f" | od -An -tx1 | tr -d ' ')" = 3cb86418 ] ||
            { echo "not a translation: $f" >&2; exit 1; }
    done
}

DESTDIR="$tmp/rot" cmake --install "$bygg" --prefix /usr >/dev/null
sjekk "$tmp/rot"
echo "cmake --install: ok"

if ! command -v cpack >/dev/null || ! command -v dpkg-deb >/dev/null ||
   ! command -v dpkg-shlibdeps >/dev/null; then
    echo "cpack, dpkg-deb or dpkg-shlibdeps missing: package not checked"
    exit 0
fi
cpack -G DEB --config "$bygg/CPackConfig.cmake" -B "$tmp/pakke" >/dev/null
pakke=$(ls "$tmp"/pakke/balvo_*.deb)
dpkg-deb -x "$pakke" "$tmp/ut"
sjekk "$tmp/ut"
[ "$(dpkg-deb -f "$pakke" Package)" = balvo ]
[ "$(dpkg-deb -f "$pakke" Section)" = education ]
avh=$(dpkg-deb -f "$pakke" Depends)
for p in libqt6widgets6 libqt6printsupport6 fonts-liberation; do
    [[ $avh == *"$p"* ]] || { echo "Depends mangler $p: $avh" >&2; exit 1; }
done
echo "cpack -G DEB: ok ($(basename "$pakke"))"
