#!/usr/bin/env bash
# Run by peer_startup.sh --after on a settled Memory table (WID, APP_PID and
# DISPLAY set): the processor time of one turn -- two clicks on face-down
# cards, the pair turned back or put away -- beyond what the same time idle
# costs. Prints one line: turn_cpu_ms=N idle_ref_ms=N turn_window_ms=N
set -u
WINDOW_S=${TURN_WINDOW_S:-3}
cpu_ns() { awk '{s += $1} END {print s + 0}' /proc/"$1"/task/*/schedstat 2>/dev/null; }

# Two face-down cards: the first two card-wide runs of pixels that are not
# table green on the first row of cards in the window's picture.
shot=$(mktemp --suffix=.ppm)
trap 'rm -f "$shot"' EXIT
import -window "$WID" -depth 8 "ppm:$shot" 2>/dev/null || { echo "turn_cpu_ms=NA"; exit 0; }
read -r x1 y1 x2 y2 < <(python3 - "$shot" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
parts = data.split(maxsplit=4)
w, h = int(parts[1]), int(parts[2])
px = parts[4]
def at(x, y):
    i = (y * w + x) * 3
    return px[i:i + 3]
# The table is green (a plain colour or a fade to black): red and blue low.
def table(p): return p[0] < 24 and p[2] < 24
for y in range(h // 8, h):
    runs, start = [], None
    for x in range(w + 1):
        inside = x < w and not table(at(x, y))
        if inside and start is None: start = x
        if not inside and start is not None:
            if x - start >= 30: runs.append((start, x))
            start = None
    # a row of cards: card-wide runs with the table between them
    if len(runs) >= 2 and all(e - s < w // 6 for s, e in runs[:2]):
        yy = y + 25
        print((runs[0][0] + runs[0][1]) // 2, yy, (runs[1][0] + runs[1][1]) // 2, yy)
        break
PY
)
[ -n "${y2:-}" ] || { echo "turn_cpu_ms=NA"; exit 0; }

idle_for() {  # processor time of WINDOW_S seconds without input
    local a b
    a=$(cpu_ns "$APP_PID"); sleep "$WINDOW_S"; b=$(cpu_ns "$APP_PID")
    echo $((b - a))
}
idle=$(idle_for)
a=$(cpu_ns "$APP_PID")
xdotool mousemove --window "$WID" "$x1" "$y1" click 1
sleep 0.6
xdotool mousemove --window "$WID" "$x2" "$y2" click 1
sleep "$(awk -v s="$WINDOW_S" 'BEGIN {print s - 0.6}')"
b=$(cpu_ns "$APP_PID")
# choice: the idle reference is the smaller of one window before and one
# after the turn, so that late start-up work never counts as idle.
after=$(idle_for)
[ "$after" -lt "$idle" ] && idle=$after
echo "turn_cpu_ms=$(( (b - a - idle) / 1000000 )) idle_ref_ms=$(( idle / 1000000 )) turn_window_ms=$(( WINDOW_S * 1000 ))"
