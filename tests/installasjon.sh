#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built program into a temporary root and checks that the program, its menu entry,
# icon, AppStream metadata and manual page are there. Then builds the Debian package the Debian
# way (dpkg-buildpackage, from a copy of the sources) and checks that lintian,
# appstreamcli and desktop-file-validate find nothing to report but information, and that the
# package holds the same files and declares its dependencies.
set -euo pipefail
bygg=$(realpath "${1:?build directory}")
kilde=$(realpath "${2:?source directory}")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

id=org.example.balvo
filer=(usr/bin/balvo
       usr/share/applications/$id.desktop
       usr/share/metainfo/$id.metainfo.xml
       usr/share/icons/hicolor/scalable/apps/balvo.svg
       usr/share/balvo/translations/balvo_nn.qm
       usr/share/balvo/translations/balvo_en.qm)

# Runs a checker; any line it prints that is an error or a warning fails the test.
ren() {
    local ut rc=0
    ut=$("$@" 2>&1) || rc=$?
    if ((rc)) || grep -E '^(E|W): |(error|warning): ' <<<"$ut" >&2; then
        echo "$ut" >&2
        echo "not clean: $*" >&2
        exit 1
    fi
    [ -z "$ut" ] || echo "$ut"
}

sjekk() {
    local rot=$1 f
    for f in "${filer[@]}"; do
        [ -f "$rot/$f" ] || { echo "missing: $rot/$f" >&2; exit 1; }
    done
    ls "$rot"/usr/share/man/man1/balvo.1* >/dev/null
    [ -x "$rot/usr/bin/balvo" ] || { echo "not executable: usr/bin/balvo" >&2; exit 1; }
    local d="$rot/usr/share/applications/$id.desktop"
    grep -qx 'Name=Balvo 2.0' "$d"
    grep -qx 'Exec=balvo' "$d"
    grep -qx 'Icon=balvo' "$d"
    grep -qx 'Categories=Education;Math;' "$d"
    grep -q '<svg' "$rot/usr/share/icons/hicolor/scalable/apps/balvo.svg"
    # Compiled translations: Qt's .qm files open with this magic number.
    for f in "$rot"/usr/share/balvo/translations/*.qm; do
        [ "$(head -c 4 "$f" | od -An -tx1 | tr -d ' ')" = 3cb86418 ] ||
            { echo "not a translation: $f" >&2; exit 1; }
    done
}

DESTDIR="$tmp/rot" cmake --install "$bygg" --prefix /usr >/dev/null
sjekk "$tmp/rot"
ren desktop-file-validate "$tmp/rot/usr/share/applications/$id.desktop"
ren appstreamcli validate --pedantic --no-net "$tmp/rot/usr/share/metainfo/$id.metainfo.xml"
echo "cmake --install: ok"

for v in dpkg-buildpackage dh lintian; do
    command -v $v >/dev/null || { echo "$v missing: package not checked"; exit 0; }
done
# A fixed folder in the build directory, so that ccache finds the previous run's objects.
versjon=$(dpkg-parsechangelog -l "$kilde/debian/changelog" -S Version)
pakker="$bygg/debian-pakke"
rm -rf "$pakker"
mkdir -p "$pakker/balvo-$versjon"
git -C "$kilde" ls-files -z --cached --others --exclude-standard |
    (cd "$kilde" && xargs -0 cp --parents -t "$pakker/balvo-$versjon")
(cd "$pakker/balvo-$versjon" &&
    DEB_BUILD_OPTIONS="nocheck parallel=${BALVO_JOBBER:-2}" CCACHE_BASEDIR="$pakker" \
        dpkg-buildpackage -us -uc -b >"$pakker/bygg.log" 2>&1) ||
    { tail -40 "$pakker/bygg.log" >&2; exit 1; }
pakke=$(ls "$pakker"/balvo_"$versjon"_*.deb)
endringer=$(ls "$pakker"/balvo_"$versjon"_*.changes)
ren lintian --info --display-info --pedantic "$pakke" "$endringer"
dpkg-deb -x "$pakke" "$tmp/ut"
sjekk "$tmp/ut"
[ "$(dpkg-deb -f "$pakke" Package)" = balvo ]
[ "$(dpkg-deb -f "$pakke" Section)" = education ]
avh=$(dpkg-deb -f "$pakke" Depends)
for p in libqt6widgets6 libqt6printsupport6 fonts-liberation; do
    [[ $avh == *"$p"* ]] || { echo "Depends lacks $p: $avh" >&2; exit 1; }
done
echo "dpkg-buildpackage: ok ($(basename "$pakke"))"
