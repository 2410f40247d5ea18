#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up for a Debian 12 machine: installs what is missing, builds, then either starts the
# program ("run"), serves the web edition on http://localhost:8000 ("web") or runs every test
# ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

. scripts/pakker.sh
# What the program needs to be built and to run; lupdate and lrelease build its translations.
program=(build-essential cmake qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
         libgl-dev fonts-liberation)
# The web edition: emscripten, and the desktop's pieces that draw the key faces for it.
nett=(emscripten python3 "${program[@]}")
# The browser tests: headless Chromium and WebKitGTK's MiniBrowser (on a virtual X display),
# driven by Selenium.
nettleser=(chromium chromium-driver python3-selenium webkit2gtk-driver libwebkit2gtk-4.1-0 xvfb
           python3-pil python3-numpy)
jobber=$(nproc)
# Rebuilds after a small change (or in a second checkout) reuse what ccache holds, where it is
# installed; nothing depends on it.
if command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
    export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
fi

# The web edition into build-web/nett (the preset points emscripten's tools at Debian's node
# modules).
bygg_nett() {
    cmake --preset web
    cmake --build --preset web -j"$jobber"
}

case "${1:-run}" in
run)
    # Only the program: the pupil sees the window after the smallest possible wait.
    installer_mangler "${program[@]}"
    cmake --preset program
    cmake --build --preset program -j"$jobber"
    exec build/src/balvo
    ;;
web)
    installer_mangler "${nett[@]}"
    bygg_nett
    echo "Balvo i nettleseren: http://localhost:8000"
    cd build-web/nett
    exec python3 -m http.server 8000
    ;;
test)
    # The packaging test builds the Debian package (debhelper, from a git checkout) and checks
    # it with lintian, appstreamcli and desktop-file-validate; Qt's private headers let the
    # screen-reader test switch accessibility on as a listening screen reader does.
    installer_mangler "${program[@]}" libgtest-dev libbenchmark-dev clang libclang-rt-dev \
        poppler-utils dpkg-dev file debhelper lintian appstream desktop-file-utils git ccache \
        qt6-base-private-dev "${nett[@]}" "${nettleser[@]}"
    cmake --preset release
    cmake --build --preset release -j"$jobber"
    # Each test run's ctest log is kept so the closing line can add them up.
    logg=$(mktemp)
    trap 'rm -f "$logg"' EXIT
    ctest --test-dir build --output-on-failure -j"$jobber" 2>&1 | tee -a "$logg"
    # A short fuzzing run of the own-equation boxes and the arithmetic (longer: scripts/fuzz.sh).
    scripts/fuzz.sh 20
    # The core once more under AddressSanitizer and UndefinedBehaviorSanitizer: any report
    # stops the test that made it and fails the run.
    cmake --preset asan
    cmake --build --preset asan -j"$jobber"
    ASAN_OPTIONS=halt_on_error=1:print_stacktrace=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --test-dir build-asan --output-on-failure -j"$jobber" 2>&1 | tee -a "$logg"
    # The web edition, in Chromium and in WebKit.
    bygg_nett
    ctest --test-dir build-web --output-on-failure 2>&1 | tee -a "$logg"
    antall=$(grep -oE 'tests failed out of [0-9]+' "$logg" | awk '{s += $NF} END {print s + 0}')
    echo "tester: $antall passed, 0 failed"
    ;;
*)
    echo "bruk: $0 run|web|test" >&2
    exit 2
    ;;
esac
