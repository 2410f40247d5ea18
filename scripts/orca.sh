#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Hear Balvo as a blind pupil does. Starts a virtual screen (Xvfb), the accessibility bus, the
# screen reader Orca with its speech off and its debug log on, and the program; plays a session
# of keys (xdotool key names) one by one; and prints what Orca said, one line each.
#
#   bash scripts/orca.sh ctrl+n minus 3 Return    # the keys on the command line
#   bash scripts/orca.sh -                        # key lines from standard input, as you go
#
# BALVO_PROGRAM: the program to run (default build/src/balvo, built first when missing).
# BALVO_PAUSE: seconds to wait after each key for Orca to speak (default 1).
# BALVO_ORCALOGG: a file to keep Orca's whole debug log in.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != --inne ]; then
    . scripts/pakker.sh
    installer_mangler orca at-spi2-core dbus-x11 xvfb xdotool
    program=${BALVO_PROGRAM:-build/src/balvo}
    if [ ! -x "$program" ]; then
        cmake --preset program >/dev/null
        cmake --build --preset program -j"$(nproc)" >/dev/null
    fi
    ((${#@})) || { echo "bruk: $0 TAST... | $0 -" >&2; exit 2; }
    tmp=$(mktemp -d)
    skjerm_pid=
    rydd() {
        local status=$?
        [ -n "$skjerm_pid" ] && kill "$skjerm_pid" 2>/dev/null
        [ -n "${BALVO_ORCALOGG:-}" ] && [ -f "$tmp/orca.log" ] && cp "$tmp/orca.log" "$BALVO_ORCALOGG"
        ((status == 0)) || tail -n 20 "$tmp/feil.log" >&2
        rm -rf "$tmp"
    }
    trap rydd EXIT
    # A screen of its own, on the first free display number.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$tmp/skjerm" >/dev/null 2>&1 &
    skjerm_pid=$!
    for _ in $(seq 50); do [ -s "$tmp/skjerm" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$tmp/skjerm")"
    # Orca's settings, and everything else, in the temporary folder: nothing of the user's.
    export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" XDG_CACHE_HOME="$tmp/cache"
    export XDG_RUNTIME_DIR="$tmp/run" BALVO_TMP="$tmp"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    # A session bus of its own, which the accessibility bus registers on.
    dbus-run-session -- bash "$0" --inne "$(realpath "$program")" "$@" 2>>"$tmp/feil.log"
    exit $?
fi

# Inside the session bus.
shift
program=$1
shift
tmp=$BALVO_TMP
logg=$tmp/orca.log
pause=${BALVO_PAUSE:-1}
pider=()
stopp() { for p in "${pider[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap stopp EXIT

# What Orca said in lines $1..$2 of its log, one utterance a line.
sagt() {
    sed -n "$1,$2p" "$logg" | grep -a "SPEECH OUTPUT: '" |
        sed -E "s/\r$//; s/^.*SPEECH OUTPUT: '//; s/' *\{.*$//; s/'[^']*$//; s/ +$//" || true
}
linjer() { wc -l <"$logg" 2>/dev/null || echo 0; }
vent_paa() {  # waits up to $2 tenths of a second for the log to contain $1
    for _ in $(seq "$2"); do grep -aq "$1" "$logg" 2>/dev/null && return 0; sleep 0.1; done
    return 1
}

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pider+=($!)
sleep 0.5
# Orca writes its log through a terminal, so line by line: the words come as they are said.
script -qfec "orca --replace -d speech --debug-file /dev/stdout" "$logg" </dev/null >/dev/null 2>&1 &
pider+=($!)
vent_paa "registering listener for: object:state-changed:focused" 200 ||
    { echo "Orca kom ikke i gang" >&2; exit 1; }
sleep 1
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
pider+=($!)
vindu=$(timeout 30 xdotool search --sync --onlyvisible --name "^Balvo 2.0$" | head -1)
xdotool windowfocus --sync "$vindu"
vent_paa "SPEECH OUTPUT: 'Balvo 2.0" 100 || true
sleep "$pause"

fra=1
vis() {  # prints what Orca said since the last time
    local til
    til=$(linjer)
    sagt "$fra" "$til"
    fra=$((til + 1))
}
spill() {  # plays the keys given, then prints what Orca said
    for tast in "$@"; do
        xdotool key --clearmodifiers "$tast"
        sleep "$pause"
    done
    # Orca has spoken when its log has stopped growing for a second and a half (it may take a
    # while looking for a braille display).
    local til stille=0 forrige
    til=$(linjer)
    for _ in $(seq 40); do
        ((stille >= 3)) && break
        sleep 0.5
        forrige=$til
        til=$(linjer)
        if ((til == forrige)); then stille=$((stille + 1)); else stille=0; fi
    done
    vis
}

if [ "${1:-}" = - ]; then
    while read -r -a taster; do spill "${taster[@]}"; done
else
    spill "$@"
fi
