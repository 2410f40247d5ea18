#!/usr/bin/env bash
# Set-up for a Debian 12 machine: installs what is missing, builds, then either starts the
# program ("run") or runs every test ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

pakker=(build-essential cmake qt6-base-dev qt6-translations-l10n libgl-dev libgtest-dev
        libbenchmark-dev fonts-liberation clang libclang-rt-dev poppler-utils)
mangler=()
for p in "${pakker[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || mangler+=("$p")
done
if ((${#mangler[@]})); then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${mangler[@]}"
fi

jobber=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$jobber"

case "${1:-run}" in
run)
    exec build/src/balvo
    ;;
test)
    ctest --test-dir build --output-on-failure -j"$jobber"
    ;;
*)
    echo "bruk: $0 run|test" >&2
    exit 2
    ;;
esac
