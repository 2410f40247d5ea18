#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Performance of Balvo against its floors: the engine per operation, typesetting a line, a
# whole "Utfør" click with repaint, the zoom (100 % to 200 % and back, a repaint at 400 %)
# against one frame at 60 Hz, and start-up time and peak memory against a bare Qt window with
# one label; and the coach's question per level against its 50 ms budget. Builds a Release tree
# in build-bench, runs everything and prints the tables.
# Nothing here passes or fails on a time: the table is for reading.
set -euo pipefail
cd "$(dirname "$0")/.."

N=${N:-15}  # runs of each start-up program
ut=build-bench/maalinger
bin=build-bench/bench

# Median of the numbers on stdin, one a line.
median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) { print "nan"; exit }
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The start-up programs: the bare window (the floor), the bare window with one line of text
# (what Qt's fonts cost on their own) and the program's main window.
startprogrammer=("tom" "tom --tekst" "oppstart")
filnavn() { echo "${1// --/-}"; }

# Each start-up program run N times (after one unmeasured run that warms the file cache):
# wall microseconds and peak resident kilobytes per run, to $ut/<name>-<platform>.{tid,minne}.
# The programs are run in turns so that a change in the machine's load hits them all.
maal_oppstart() {
    local plattform=$1
    local prog navn start slutt
    for prog in "${startprogrammer[@]}"; do
        navn=$(filnavn "$prog")
        # shellcheck disable=SC2086  # the program's argument is split on purpose
        QT_QPA_PLATFORM=$plattform "$bin"/$prog >/dev/null 2>&1
        : >"$ut/$navn-$plattform.tid"
        : >"$ut/$navn-$plattform.minne"
    done
    for ((i = 0; i < N; i++)); do
        for prog in "${startprogrammer[@]}"; do
            navn=$(filnavn "$prog")
            start=$(date +%s%N)
            # shellcheck disable=SC2086
            QT_QPA_PLATFORM=$plattform /usr/bin/time -f "%M" -o "$ut/rss" "$bin"/$prog \
                >/dev/null 2>&1
            slutt=$(date +%s%N)
            echo $(((slutt - start) / 1000)) >>"$ut/$navn-$plattform.tid"
            tail -n1 "$ut/rss" >>"$ut/$navn-$plattform.minne"
        done
    done
}

# Under Xvfb the script calls itself for the start-up runs only.
if [ "${1:-}" = "--oppstart" ]; then
    maal_oppstart "$2"
    exit 0
fi

. scripts/pakker.sh
installer_mangler build-essential cmake qt6-base-dev libgl-dev libbenchmark-dev fonts-liberation time \
    nlohmann-json3-dev

jobber=$(nproc)
cmake --preset bench
cmake --build --preset bench -j"$jobber" --target regning_bench tegning_bench utfoer_bench coach_bench \
    zoom_bench oektfil_bench oppstart tom
mkdir -p "$ut"

echo "== machine: $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p'); load: $(uptime)"

export QT_QPA_PLATFORM=offscreen
for b in regning_bench tegning_bench utfoer_bench zoom_bench coach_bench oektfil_bench; do
    "$bin/$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
        --benchmark_out="$ut/$b.csv" --benchmark_out_format=csv
done

maal_oppstart offscreen
plattformer=(offscreen)
if command -v xvfb-run >/dev/null; then
    unset QT_QPA_PLATFORM
    if xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --oppstart xcb; then
        plattformer+=(xcb)
    else
        echo "(the start-up runs under Xvfb failed; offscreen only)" >&2
    fi
fi

# Median wall time of one benchmark in microseconds, from the CSV files.
bm() {
    local navn=$1
    cat "$ut"/*.csv | awk -F, -v n="\"$navn\"" '$1 == n {
        f = ($5 == "\"ns\"" || $5 == "ns") ? 0.001 : ($5 == "\"ms\"" || $5 == "ms") ? 1000 : \
            ($5 == "\"s\"" || $5 == "s") ? 1e6 : 1
        print $3 * f; exit }'
}

bmms() { bm "$1" | awk '{print $1 / 1000}'; }

rad() {  # what, median, floor name, floor median, unit, target
    awk -v a="$1" -v m="$2" -v g="$3" -v gm="$4" -v e="$5" -v t="$6" 'BEGIN {
        r = (gm > 0) ? sprintf("%.2f", m / gm) : "-"
        printf "%-34s %12.3f  %-26s %12.3f  %-4s %6s  %s\n", a, m, g, gm, e, r, t }'
}

echo
echo "== Medians (5 repetitions of each benchmark; $N start-ups of each program)"
printf "%-34s %12s  %-26s %12s  %-4s %6s  %s\n" measurement median floor "floor med." unit ratio target
for op in + - '*' : r k +- bytt; do
    rad "regnut+forkort $op, near 2^53" "$(bm "regnut_forkort/$op/2^53_median")" \
        "same, exercise numbers" "$(bm "regnut_forkort/$op/smaa_median")" us ""
done
rad "forkort 6 columns, 53-bit" "$(bm forkort_fibonacci/77_median)" "same, 8-bit" \
    "$(bm forkort_fibonacci/11_median)" us ""
rad "tegnlinje busy line, Bildeboks" "$(bm tegnlinje_bildeboks_median)" "recording surface" \
    "$(bm tegnlinje_opptak_median)" us ""
rad "Utfør click + repaint of 10 boxes" "$(bm utfoer_og_mal/manual_time_median)" \
    "bare repaint of 10 boxes" "$(bm bare_maling_median)" us "< 1000 us"
rad "Utfør click, no repaint" "$(bm utfoer_uten_maling/manual_time_median)" \
    "bare repaint of 10 boxes" "$(bm bare_maling_median)" us ""
rad "zoom 100 -> 200 %, window painted" "$(bmms zoom/100_til_200/manual_time_median)" \
    "window painted at 100 %" "$(bmms maling_100_median)" ms "< 16 ms"
rad "zoom 200 -> 100 %, window painted" "$(bmms zoom/200_til_100/manual_time_median)" \
    "window painted at 100 %" "$(bmms maling_100_median)" ms "< 16 ms"
rad "window painted at 400 %" "$(bmms maling_400_median)" "window painted at 100 %" \
    "$(bmms maling_100_median)" ms "< 16 ms"
ms() { median <"$ut/$1-$2.tid" | awk '{print $1/1000}'; }
mib() { median <"$ut/$1-$2.minne" | awk '{print $1/1024}'; }
for p in "${plattformer[@]}"; do
    rad "start-up wall time ($p)" "$(ms oppstart "$p")" "bare window, one label" \
        "$(ms tom-tekst "$p")" ms "<= 1.3x"
    rad "start-up wall time ($p)" "$(ms oppstart "$p")" "bare QMainWindow" "$(ms tom "$p")" \
        ms ""
    rad "start-up peak RSS ($p)" "$(mib oppstart "$p")" "bare window, one label" \
        "$(mib tom-tekst "$p")" MiB "<= 1.15x"
    rad "start-up peak RSS ($p)" "$(mib oppstart "$p")" "bare QMainWindow" "$(mib tom "$p")" \
        MiB ""
done
# A counter of one benchmark, by the counter's column in the CSV file's header.
teller() {  # file, benchmark name, counter
    awk -F, -v n="\"$2\"" -v k="\"$3\"" '
        $1 == "name" { for (i = 1; i <= NF; i++) if ($i == k) c = i; next }
        $1 == n && c { print $c; exit }' "$ut/$1.csv"
}

echo
echo "== The coach: shortest way from line 0, 1000 generated exercises per level (fixed seed)"
echo "   (processor time of one question, each figure the median of the 5 repetitions; the"
echo "   worst wall-clock time beside it; budget 50 ms per question)"
printf "%-6s %12s %12s %14s %12s %13s\n" level "median ms" "worst ms" "worst wall ms" \
    "over budget" "lines, worst"
for n in 1 2 3 4 5 6; do
    navn="korteste_fra_linje_0/$n/iterations:1/manual_time_median"
    printf "%-6s %12.3f %12.3f %14.3f %12s %13s\n" "$n" "$(teller coach_bench "$navn" median_ms)" \
        "$(teller coach_bench "$navn" verst_ms)" "$(teller coach_bench "$navn" verst_vegg_ms)" \
        "$(teller coach_bench "$navn" over_budsjett)" "$(teller coach_bench "$navn" linjer_verst)"
done
echo "== load after the runs: $(uptime)"
