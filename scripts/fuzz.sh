#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the own-equation boxes, the written-line reader, the arithmetic and the lesson file with libFuzzer, under AddressSanitizer and
# UndefinedBehaviorSanitizer (Debian's clang). Usage: scripts/fuzz.sh [seconds per target]
# (600 when not given). The corpus grows in build-fuzz/korpus/<target>; a finding is saved as
# build-fuzz/funn/<target>-crash-... and makes the script fail. Replay one with
#   build-fuzz/fuzz/<target> build-fuzz/funn/<file>
set -euo pipefail
cd "$(dirname "$0")/.."
sekunder="${1:-600}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

mkdir -p build-fuzz/funn
for maal in koeffisient_fuzz linjeleser_fuzz oektfil_fuzz regning_fuzz; do
    mkdir -p "build-fuzz/korpus/$maal"
    logg="build-fuzz/$maal.log"
    if ! build-fuzz/fuzz/"$maal" -max_total_time="$sekunder" -rss_limit_mb=2048 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/funn/$maal-" \
        "build-fuzz/korpus/$maal" fuzz/korpus/"$maal" >"$logg" 2>&1; then
        tail -n 60 "$logg"
        echo "fuzz: $maal fant en feil (se build-fuzz/funn/)" >&2
        exit 1
    fi
    echo "fuzz: $maal, ${sekunder} s: $(grep -E '^Done ' "$logg" | tail -n 1)"
done
