#!/usr/bin/env bash
# Set-up for a Debian 12 machine: installs what is missing, builds, then either starts the
# program ("run") or runs every test ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

. scripts/pakker.sh
# dpkg-dev and file let the packaging test build the Debian package.
installer_mangler build-essential cmake qt6-base-dev qt6-translations-l10n libgl-dev \
    libgtest-dev libbenchmark-dev fonts-liberation clang libclang-rt-dev poppler-utils \
    dpkg-dev file

jobber=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$jobber"

case "${1:-run}" in
run)
    exec build/src/balvo
    ;;
test)
    # Each test run's ctest log is kept so the closing line can add them up.
    logg=$(mktemp)
    trap 'rm -f "$logg"' EXIT
    ctest --test-dir build --output-on-failure -j"$jobber" 2>&1 | tee -a "$logg"
    # A short fuzzing run of the own-equation boxes and the arithmetic (longer: scripts/fuzz.sh).
    scripts/fuzz.sh 20
    # The core once more under AddressSanitizer and UndefinedBehaviorSanitizer: any report
    # stops the test that made it and fails the run.
    san="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    cmake -S . -B build-asan -DBALVO_QT=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS="$san" -DCMAKE_EXE_LINKER_FLAGS="$san"
    cmake --build build-asan --target balvo_tests -j"$jobber"
    ASAN_OPTIONS=halt_on_error=1:print_stacktrace=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --test-dir build-asan --output-on-failure -j"$jobber" 2>&1 | tee -a "$logg"
    antall=$(grep -oE 'tests failed out of [0-9]+' "$logg" | awk '{s += $NF} END {print s + 0}')
    echo "tester: $antall passed, 0 failed"
    ;;
*)
    echo "bruk: $0 run|test" >&2
    exit 2
    ;;
esac
