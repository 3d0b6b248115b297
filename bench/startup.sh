#!/usr/bin/env bash
# Start-up, memory and processor time of Tessaro side by side with GNOME
# Aisleriot (Klondike), each launched alternately on its own private Xvfb
# (1280 x 1024) by peer_startup.sh, warm (one unmeasured launch of each
# first). Tessaro starts as a returning player: a statistics file exists and
# Memory-Up (4x3) is remembered, so the game is dealt at once.
#
# Prints every run, then the medians and the ratios Tessaro / Aisleriot of:
#   first full frame of the main window (ms), peak RSS (VmHWM, MB),
#   processor time from launch to a settled table (ms; paint watching ends
#   after 0.9 s without paints, so both include that much idling),
#   processor time while idle (ms per 3 s), and Tessaro's processor time for
#   one Memory turn beyond idle (bench/memory_turn.sh).
#
# Usage: bench/startup.sh [-n RUNS] [-b BUILD_DIR] [--tessaro-only]
# Needs Xvfb, xdotool, ImageMagick, python3, gcc with the X11 damage headers
# (see peer_startup.sh --help) and, for the comparison, the `aisleriot`
# package (`/usr/games/sol`); the project itself does not depend on it.
set -u
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
RUNS=5
BUILD="$HERE/../build"
PEER=1
while [ $# -gt 0 ]; do
    case $1 in
        -n) RUNS=${2:?}; shift 2 ;;
        -b) BUILD=${2:?}; shift 2 ;;
        --tessaro-only) PEER=0; shift ;;
        -h|--help) sed -n '2,19p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        *) echo "startup.sh: unknown option $1" >&2; exit 2 ;;
    esac
done
BIN="$BUILD/bin"
[ -x "$BIN/tessaro" ] && [ -f "$BIN/GAMES.DAT" ] && [ -f "$BIN/VRA.RGF" ] ||
    { echo "startup.sh: build tessaro first ($BIN/tessaro, GAMES.DAT, VRA.RGF)" >&2; exit 2; }
SOL=/usr/games/sol
if [ "$PEER" = 1 ] && [ ! -x "$SOL" ]; then
    echo "startup.sh: $SOL not found (apt-get install aisleriot), measuring Tessaro alone" >&2
    PEER=0
fi

# A program folder of its own: the program, its rules and library, and the
# data of a returning player.
PROG=$(mktemp -d "${TMPDIR:-/tmp}/tessaro-startup.XXXXXX")
trap 'rm -rf "$PROG"' EXIT
cp "$BIN/tessaro" "$PROG/"
ln -s "$(cd "$BIN" && pwd)/GAMES.DAT" "$PROG/GAMES.DAT"
ln -s "$(cd "$BIN" && pwd)/VRA.RGF" "$PROG/VRA.RGF"
mkdir -p "$PROG/Data"
printf '[Preference]\r\nGame=200\r\nGame_name=Memory-Up (4x3)\r\n' >"$PROG/Data/CFG.DAT"
: >"$PROG/Data/Stat_e01.dat"

# choice: watching ends after 0.9 s without paints, just under the period of
# Tessaro's clock, which otherwise keeps it going to its 15 s limit and adds
# that much clock time to the processor time to a settled table.
COMMON=(--min-size 450 --idle 3 --quiet-ms 900)
run_tessaro() {
    # choice: closed by SIGTERM; a window close in a game shows the score sheet first.
    "$HERE/peer_startup.sh" "${COMMON[@]}" --close term --after "$HERE/memory_turn.sh" -- "$PROG/tessaro"
}
run_peer() { "$HERE/peer_startup.sh" "${COMMON[@]}" -- "$SOL" --variation klondike; }

# key=value of one result line
field() { tr ' ' '\n' <<<"$1" | awk -F= -v k="$2" '$1 == k {print $2}'; }
median() { tr ' ' '\n' | grep -E '^-?[0-9]+$' | sort -n | awk '{v[NR] = $1} END {
    if (NR == 0) print "NA"; else if (NR % 2) print v[(NR + 1) / 2]; else print int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

echo "warming up" >&2
run_tessaro >/dev/null
[ "$PEER" = 1 ] && run_peer >/dev/null

declare -A T P
for i in $(seq 1 "$RUNS"); do
    line=$(run_tessaro) || { echo "startup.sh: Tessaro run $i failed" >&2; continue; }
    echo "tessaro   $i: $line"
    for k in startup_ms rss_kb cpu_ready_ms idle_cpu_us turn_cpu_ms; do T[$k]+="$(field "$line" $k) "; done
    if [ "$PEER" = 1 ]; then
        line=$(run_peer) || { echo "startup.sh: Aisleriot run $i failed" >&2; continue; }
        echo "aisleriot $i: $line"
        for k in startup_ms rss_kb cpu_ready_ms idle_cpu_us; do P[$k]+="$(field "$line" $k) "; done
    fi
done

ratio() { [ "$1" = NA ] || [ "$2" = NA ] || [ "$2" = 0 ] && { echo NA; return; }
          awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
mb() { [ "$1" = NA ] && echo NA || awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }
echo
printf '%-34s %10s %10s %7s\n' "median of $RUNS" Tessaro Aisleriot ratio
row() {  # label key [scale]
    local t p
    t=$(median <<<"${T[$2]:-}"); p=$(median <<<"${P[$2]:-}")
    local r; r=$(ratio "$t" "$p")
    if [ "${3:-}" = mb ]; then t=$(mb "$t"); p=$(mb "$p"); fi
    if [ "${3:-}" = us ]; then
        [ "$t" != NA ] && t=$((t / 1000)); [ "$p" != NA ] && p=$((p / 1000))
    fi
    printf '%-34s %10s %10s %7s\n' "$1" "$t" "$p" "$r"
}
row "first full frame (ms)" startup_ms
row "peak RSS (MB)" rss_kb mb
row "CPU to a settled table (ms)" cpu_ready_ms
row "CPU idle, 3 s (ms)" idle_cpu_us us
printf '%-34s %10s %10s %7s\n' "CPU of one Memory turn (ms)" "$(median <<<"${T[turn_cpu_ms]:-}")" - -
