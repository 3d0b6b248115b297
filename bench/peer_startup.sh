#!/usr/bin/env bash
# peer_startup.sh - start-up time, peak RSS and idle CPU of one X11 GUI program,
# measured on a private Xvfb display.  Prints exactly one line on stdout:
#
#   startup_ms=NNN rss_kb=NNN map_ms=NNN nonblank_ms=NNN settled_ms=NNN ...
#
# startup_ms  launch -> main window mapped and its first full frame painted:
#             non-blank (most common colour < 90 % of it) and with at least
#             half the colour detail of the richest frame seen (cards drawn)
# rss_kb      VmHWM (peak RSS) of the launched PID, read just before closing
# map_ms      launch -> first top-level window (>= 100x100) mapped
# nonblank_ms launch -> first non-blank paint of that window
# settled_ms  launch -> visually complete: every later frame equals the
#             settled picture within --tol-permille of sample points (so it
#             includes the program's own deal / auto-move animations)
# last_damage_ms   launch -> last paint seen before --quiet-ms of stillness
# cpu_ready_ms     user+system CPU of the PID when watching stopped
# xvfb_cpu_ready_ms CPU the X server spent from launch until then
# idle_cpu_ms      user+system CPU used during the next --idle seconds (ticks)
# idle_cpu_us      the same from /proc/PID/task/*/schedstat (ns resolution,
#                  live threads only); idle_xvfb_cpu_us: the X server's
# close_ms    close request (see --close) -> process gone; close=how it went
# colors      distinct colours in the confirming screenshot (import -window)
# Resolution: times are taken when paint events reach the helper (a few ms);
# CPU figures come from /proc in clock ticks (10 ms).
#
# Usage: peer_startup.sh [options] -- COMMAND [ARG...]
#   --display N      X display number (default: first free one from 77 up)
#   --timeout S      seconds to wait for the window to map (default 30)
#   --quiet-ms Q     paint-free period that ends paint watching (default 1500)
#   --settle-max S   longest paint watching after the map, seconds (default 15)
#   --tol-permille T tolerance for "visually complete" (default 10 = 1 %)
#   --idle S         idle-CPU window after start-up, seconds (default 10, 0 = skip)
#   --shot FILE      also save the confirming screenshot (PNG) there
#   --profile DIR    persistent HOME/XDG dirs (default: fresh, deleted after)
#   --warmup K       first launch+close the program K times in the same X and
#                    D-Bus session, unmeasured (services it activates stay up,
#                    caches fill) (default 0)
#   --a11y off|on    off (default): NO_AT_BRIDGE=1, no AT-SPI bus; on: start the
#                    AT-SPI bus on the private session bus first, like a desktop
#   --timev FILE     run the program under /usr/bin/time -v -o FILE
#   --close HOW      delete (default): WM_DELETE_WINDOW, as a window manager's
#                    close button; ctrlq: focus + Ctrl+Q keystroke (xdotool);
#                    term: SIGTERM.  Either way, after 10 s: TERM, then KILL.
#   --min-colors N   fewest colours for the screenshot to count as painted (16)
#   --min-size N     watch the first top-level window at least N x N (100);
#                    larger skips a splash window
#   --trace FILE     write the helper's paint timeline (one sample per paint,
#                    its difference from the settled picture) to FILE
#   --after CMD      after the idle window, run CMD (bash -c) with WID, APP_PID,
#                    XVFB_PID, PEER_HELPER in its environment; the last line
#                    it prints is added to the result line (e.g. peer_drag.sh)
#   --keep           keep the scratch directory (logs), print its path to stderr
#   -v               progress on stderr
# Exit status: 0 ok, 2 usage, 3 no window / blank window / program died,
#              4 infrastructure (Xvfb, D-Bus, helper) failed.
#
# Only processes this script started are ever signalled, always by PID: the
# program, its /usr/bin/time wrapper, the helper, the private dbus-daemon,
# Xvfb, and processes re-parented to this script (it runs as a child
# subreaper, so daemons the program or D-Bus activation spawned end up here).
# Needs: Xvfb xdpyinfo xdotool import identify dbus-daemon gcc libx11-dev
# libxdamage-dev libxext-dev libxfixes-dev (the helper peer_xwatch.c is compiled on first use).

set -u
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
SELF="$HERE/$(basename "${BASH_SOURCE[0]}")"
# The paint watcher is compiled once, outside the source tree.
HELPER="${PEER_HELPER_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/tessaro-bench}/peer_xwatch"

die() { echo "peer_startup: $*" >&2; exit 2; }
log() { [ "$VERBOSE" = 1 ] && echo "peer_startup: $*" >&2; return 0; }

# ---- helper binary -------------------------------------------------------
if [ ! -x "$HELPER" ] || [ "$HERE/peer_xwatch.c" -nt "$HELPER" ]; then
    mkdir -p "$(dirname "$HELPER")"
    gcc -O2 -Wall -o "$HELPER.tmp.$$" "$HERE/peer_xwatch.c" -lX11 -lXext -lXdamage -lXfixes >&2 ||
        { echo "peer_startup: cannot build helper (need gcc libx11-dev libxdamage-dev libxext-dev libxfixes-dev)" >&2; exit 4; }
    mv -f "$HELPER.tmp.$$" "$HELPER"
fi

# ---- become a child subreaper (once) ------------------------------------
if [ "${PEER_STARTUP_REAPER:-}" != "$$" ]; then
    export PEER_STARTUP_REAPER=$$   # exec keeps the PID
    exec "$HELPER" subreaper /usr/bin/env bash "$SELF" "$@"
fi
unset PEER_STARTUP_REAPER   # keep it out of the measured program's environment

# ---- options --------------------------------------------------------------
DISPLAY_NUM="" TIMEOUT=30 QUIET_MS=1500 SETTLE_MAX=15 TOL=10 IDLE=10 SHOT=""
PROFILE="" WARMUP=0 A11Y=off TIMEV="" MIN_COLORS=16 CLOSE=delete AFTER="" KEEP=0 VERBOSE=0 TRACE=""
while [ $# -gt 0 ]; do
    case "$1" in
        --display) DISPLAY_NUM=${2:?}; shift 2 ;;
        --timeout) TIMEOUT=${2:?}; shift 2 ;;
        --quiet-ms) QUIET_MS=${2:?}; shift 2 ;;
        --settle-max) SETTLE_MAX=${2:?}; shift 2 ;;
        --tol-permille) TOL=${2:?}; shift 2 ;;
        --idle) IDLE=${2:?}; shift 2 ;;
        --shot) SHOT=${2:?}; shift 2 ;;
        --profile) PROFILE=${2:?}; shift 2 ;;
        --warmup) WARMUP=${2:?}; shift 2 ;;
        --a11y) A11Y=${2:?}; shift 2 ;;
        --timev) TIMEV=${2:?}; shift 2 ;;
        --min-colors) MIN_COLORS=${2:?}; shift 2 ;;
        --min-size) MIN_SIZE=${2:?}; shift 2 ;;
        --close) CLOSE=${2:?}; shift 2 ;;
        --after) AFTER=${2:?}; shift 2 ;;
        --trace) TRACE=${2:?}; shift 2 ;;
        --keep) KEEP=1; shift ;;
        -v) VERBOSE=1; shift ;;
        -h|--help) sed -n '2,/^$/p' "$SELF" | sed 's/^# \{0,1\}//'; exit 0 ;;
        --) shift; break ;;
        *) die "unknown option $1 (use -- before the command)" ;;
    esac
done
[ $# -gt 0 ] || die "no command given"
for n in "$TIMEOUT" "$QUIET_MS" "$SETTLE_MAX" "$TOL" "$IDLE" "$WARMUP" "$MIN_COLORS"; do
    [[ "$n" =~ ^[0-9]+$ ]] || die "numeric option expected, got '$n'"
done
[ "$A11Y" = off ] || [ "$A11Y" = on ] || die "--a11y takes off or on"
case "$CLOSE" in delete|ctrlq|term) ;; *) die "--close takes delete, ctrlq or term" ;; esac
command -v "$1" >/dev/null 2>&1 || die "command not found: $1"
for t in Xvfb xdpyinfo xdotool import identify dbus-daemon ps; do
    command -v $t >/dev/null 2>&1 || { echo "peer_startup: missing $t" >&2; exit 4; }
done

CLK_TCK=$(getconf CLK_TCK)
WORK=$(mktemp -d /tmp/peer_startup.XXXXXX) || exit 4
XVFB_PID="" DBUS_PID="" WATCH_PID="" APP_PID="" TIME_PID=""

# ---- process helpers (PID based only) ------------------------------------
alive() {   # running and not a zombie
    local st
    [ -r "/proc/$1/stat" ] || return 1
    st=$(sed 's/^.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1)
    [ -n "$st" ] && [ "$st" != Z ] && [ "$st" != X ]
}
wait_gone() {   # PID, timeout in 1/20 s
    local i=0
    while alive "$1" && [ $i -lt "$2" ]; do sleep 0.05; i=$((i + 1)); done
    ! alive "$1"
}
stop_pid() {    # PID: TERM, wait 3 s, KILL
    [ -n "$1" ] || return 0
    alive "$1" || return 0
    kill -TERM "$1" 2>/dev/null
    wait_gone "$1" 60 || { kill -KILL "$1" 2>/dev/null; wait_gone "$1" 40; }
}
descendants() { # live descendant PIDs of this shell; subtree of $1 left out
    ps -e -o pid=,ppid= | awk -v root=$$ -v skip="${1:-none}" '
        { kids[$2] = kids[$2] " " $1 }
        END { q[1] = root; n = 1; i = 1
              while (i <= n) { split(kids[q[i]], a, " ")
                  for (k in a) if (a[k] != "" && a[k] != skip) { n++; q[n] = a[k]; print a[k] }
                  i++ } }'
}
extra_procs() { # descendants other than our known ones, as comm names
    local p out="" known=" $XVFB_PID $DBUS_PID $WATCH_PID $APP_PID $TIME_PID "
    local me=$BASHPID   # the $(extra_procs) subshell itself
    for p in $(descendants "$me"); do
        case "$known" in *" $p "*) continue ;; esac
        alive "$p" || continue
        local c; c=$(cat "/proc/$p/comm" 2>/dev/null) || continue
        out="$out${out:+,}$c"
    done
    echo "${out:-none}"
}

cleanup() {
    local rc=$?
    trap - EXIT INT TERM
    stop_pid "$APP_PID"; stop_pid "$TIME_PID"; stop_pid "$WATCH_PID"
    stop_pid "$DBUS_PID"
    sleep 0.2
    local p
    for p in $(descendants); do   # leftovers we caused (re-parented to us)
        [ "$p" = "$XVFB_PID" ] && continue
        case "$(cat /proc/$p/comm 2>/dev/null)" in ps|awk) continue ;; esac
        stop_pid "$p"
    done
    stop_pid "$XVFB_PID"
    wait 2>/dev/null
    if [ "$KEEP" = 1 ]; then echo "peer_startup: kept $WORK" >&2; else rm -rf "$WORK"; fi
    exit $rc
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# ---- Xvfb on a free display ------------------------------------------------
start_xvfb() {
    local n=$1
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && return 1
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    local i
    for i in $(seq 1 100); do
        alive "$XVFB_PID" || { XVFB_PID=""; return 1; }
        if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
            # another instance may have won the race for :n - the lock file
            # names the server that owns it
            if [ "$(tr -d ' \n' <"/tmp/.X$n-lock" 2>/dev/null)" = "$XVFB_PID" ] && alive "$XVFB_PID"; then
                DISPLAY_NUM=$n; return 0
            fi
            stop_pid "$XVFB_PID"; XVFB_PID=""; return 1
        fi
        sleep 0.05
    done
    stop_pid "$XVFB_PID"; XVFB_PID=""
    return 1
}
if [ -n "$DISPLAY_NUM" ]; then
    start_xvfb "$DISPLAY_NUM" || { echo "peer_startup: Xvfb :$DISPLAY_NUM failed" >&2; exit 4; }
else
    ok=0
    for n in $(seq 77 140); do start_xvfb "$n" && { ok=1; break; }; done
    [ $ok = 1 ] || { echo "peer_startup: no free X display in :77-:140" >&2; exit 4; }
fi
export DISPLAY=":$DISPLAY_NUM"
log "Xvfb pid $XVFB_PID on $DISPLAY"

# ---- private session: runtime dir, profile, D-Bus ---------------------------
mkdir -p "$WORK/run" && chmod 700 "$WORK/run"
if [ -n "$PROFILE" ]; then mkdir -p "$PROFILE"; PROFILE=$(cd "$PROFILE" && pwd)
else PROFILE="$WORK/profile"; mkdir -p "$PROFILE"; fi
export HOME="$PROFILE" XDG_RUNTIME_DIR="$WORK/run"
export XDG_CONFIG_HOME="$PROFILE/.config" XDG_CACHE_HOME="$PROFILE/.cache"
export XDG_DATA_HOME="$PROFILE/.local/share" XDG_STATE_HOME="$PROFILE/.local/state"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_STATE_HOME"
unset SESSION_MANAGER WAYLAND_DISPLAY
[ "$A11Y" = off ] && export NO_AT_BRIDGE=1

dbus-daemon --session --nofork --nopidfile --address="unix:path=$WORK/run/bus" \
    --print-address=1 >"$WORK/dbus.addr" 2>"$WORK/dbus.log" &
DBUS_PID=$!
for i in $(seq 1 100); do [ -s "$WORK/dbus.addr" ] && break; alive "$DBUS_PID" || break; sleep 0.05; done
[ -s "$WORK/dbus.addr" ] || { echo "peer_startup: dbus-daemon failed" >&2; exit 4; }
export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$WORK/dbus.addr")
log "dbus-daemon pid $DBUS_PID"
if [ "$A11Y" = on ]; then
    timeout 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null 2>&1 || echo "peer_startup: AT-SPI bus did not start" >&2
fi

# ---- one launch ------------------------------------------------------------
ms() { echo $(( ($1 - $2) / 1000 )); }   # two microsecond stamps -> ms
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" 2>/dev/null | awk '{print $12 + $13}'; }
cpu_ns() {      # on-CPU ns of the live threads (/proc/PID/task/*/schedstat)
    local t v sum=0
    for t in /proc/$1/task/*/schedstat; do read -r v _ <"$t" 2>/dev/null && sum=$((sum + v)); done
    echo $sum
}

# run_once TAG: launches "$@" (global CMD), fills R_* variables
run_once() {
    local tag=$1 i line
    : >"$WORK/watch.$tag"
    "$HELPER" watch --quiet-ms "$QUIET_MS" --map-timeout-ms $((TIMEOUT * 1000)) --max-ms $((SETTLE_MAX * 1000)) \
        --tol-permille "$TOL" --min-size "${MIN_SIZE:-100}" ${TRACE:+--trace} >"$WORK/watch.$tag" 2>"$WORK/watch.$tag.err" &
    WATCH_PID=$!
    for i in $(seq 1 200); do grep -q '^ready ' "$WORK/watch.$tag" && break; alive "$WATCH_PID" || break; sleep 0.025; done
    grep -q '^ready ' "$WORK/watch.$tag" || { echo "peer_startup: helper failed: $(cat "$WORK/watch.$tag.err")" >&2; exit 4; }

    R_XCPU0=$(cpu_ticks "$XVFB_PID")
    local t0=${EPOCHREALTIME/./}
    if [ -n "$TIMEV" ] && [ "$tag" = measure ]; then
        /usr/bin/time -v -o "$TIMEV" "${CMD[@]}" >"$WORK/app.$tag.log" 2>&1 &
        TIME_PID=$!
        APP_PID=""
        for i in $(seq 1 400); do
            APP_PID=$(cat "/proc/$TIME_PID/task/$TIME_PID/children" 2>/dev/null | awk '{print $1}')
            [ -n "$APP_PID" ] && break; sleep 0.005
        done
    else
        "${CMD[@]}" >"$WORK/app.$tag.log" 2>&1 &
        APP_PID=$!
    fi
    log "$tag: launched pid $APP_PID"

    # wait for the watcher (it ends after the paint settles or on its own timeout)
    local limit=$(( (TIMEOUT + SETTLE_MAX + 10) * 20 ))
    i=0
    while alive "$WATCH_PID" && [ $i -lt $limit ]; do
        if [ -n "$APP_PID" ] && ! alive "$APP_PID" && ! grep -q '^map ' "$WORK/watch.$tag"; then break; fi
        sleep 0.05; i=$((i + 1))
    done
    stop_pid "$WATCH_PID"; wait "$WATCH_PID" 2>/dev/null; WATCH_PID=""
    line=$(grep '^result ' "$WORK/watch.$tag" | tail -1)
    if [ -z "$APP_PID" ] || ! alive "$APP_PID"; then
        echo "peer_startup: program exited during start-up; its output:" >&2
        tail -20 "$WORK/app.$tag.log" >&2
        exit 3
    fi
    [ -n "$line" ] || { echo "peer_startup: no result from helper" >&2; exit 3; }
    local kv k v
    unset R; declare -gA R=()
    for kv in ${line#result }; do k=${kv%%=*}; v=${kv#*=}; R[$k]=$v; done
    [ "${R[t_map]:-0}" != 0 ] || { echo "peer_startup: no window mapped within ${TIMEOUT}s" >&2; exit 3; }
    R[t0]=$t0
    if [ -n "$TRACE" ] && [ "$tag" = measure ]; then
        { echo "launch $t0"; cat "$WORK/watch.$tag"; } >"$TRACE"
    fi
    R[cpu_ready]=$(cpu_ticks "$APP_PID")
    R[xcpu_ready]=$(( $(cpu_ticks "$XVFB_PID") - R_XCPU0 ))
}

close_app() {   # sets C_MS C_HOW C_RC
    local wid=$1 t1 t2
    t1=${EPOCHREALTIME/./}
    C_HOW=$CLOSE
    case "$CLOSE" in
        delete) timeout 5 "$HELPER" close "$wid" || C_HOW=delete-failed ;;
        ctrlq) timeout 5 xdotool windowfocus --sync "$wid" >/dev/null 2>&1
               timeout 5 xdotool key --clearmodifiers ctrl+q >/dev/null 2>&1 ;;
        term) kill -TERM "$APP_PID" 2>/dev/null ;;
    esac
    if ! wait_gone "$APP_PID" 200; then
        C_HOW=term; kill -TERM "$APP_PID" 2>/dev/null
        wait_gone "$APP_PID" 100 || { C_HOW=kill; kill -KILL "$APP_PID" 2>/dev/null; wait_gone "$APP_PID" 100; }
    fi
    t2=${EPOCHREALTIME/./}
    C_MS=$(ms "$t2" "$t1")
    if [ -n "$TIME_PID" ]; then wait "$TIME_PID" 2>/dev/null; C_RC=$?; TIME_PID=""
    else wait "$APP_PID" 2>/dev/null; C_RC=$?; fi
    APP_PID=""
}

CMD=("$@")
for w in $(seq 1 "$WARMUP"); do
    run_once "warm$w"
    close_app "${R[win]}"
    log "warm-up $w: full frame $(ms "${R[t_full]}" "${R[t0]}") ms, closed by $C_HOW"
done

run_once measure
T0=${R[t0]}
ms_or_na() { [ "${1:-0}" != 0 ] && ms "$1" "$T0" || echo NA; }
MAP_MS=$(ms_or_na "${R[t_map]}")
FULL_MS=$(ms_or_na "${R[t_full]}")
NB_MS=$(ms_or_na "${R[t_first_nonblank]}")
COMPLETE_MS=$(ms_or_na "${R[t_complete]}")
LAST_MS=$(ms_or_na "${R[t_last_damage]}")
WID=${R[win]}

# confirming screenshot of the window
COLORS=0
if timeout 20 import -window "$WID" "png:$WORK/shot.png" 2>"$WORK/import.err"; then
    COLORS=$(identify -format '%k' "$WORK/shot.png" 2>/dev/null || echo 0)
    [ -n "$SHOT" ] && { mkdir -p "$(dirname "$SHOT")"; cp "$WORK/shot.png" "$SHOT"; }
fi
if [ "${COLORS:-0}" -lt "$MIN_COLORS" ] || [ "$FULL_MS" = NA ]; then
    echo "peer_startup: window looks blank (colours=$COLORS, full frame=$FULL_MS)" >&2
    exit 3
fi

CPU_READY_MS=$(( R[cpu_ready] * 1000 / CLK_TCK ))
XCPU_READY_MS=$(( R[xcpu_ready] * 1000 / CLK_TCK ))
IDLE_CPU_MS=NA IDLE_CPU_US=NA IDLE_XCPU_US=NA
if [ "$IDLE" -gt 0 ]; then
    c1=$(cpu_ticks "$APP_PID"); n1=$(cpu_ns "$APP_PID"); x1=$(cpu_ns "$XVFB_PID")
    sleep "$IDLE"
    c2=$(cpu_ticks "$APP_PID"); n2=$(cpu_ns "$APP_PID"); x2=$(cpu_ns "$XVFB_PID")
    [ -n "$c1" ] && [ -n "$c2" ] && IDLE_CPU_MS=$(( (c2 - c1) * 1000 / CLK_TCK ))
    IDLE_CPU_US=$(( (n2 - n1) / 1000 )); IDLE_XCPU_US=$(( (x2 - x1) / 1000 ))
fi
AFTER_OUT=""
if [ -n "$AFTER" ]; then
    AFTER_OUT=$(WID=$WID APP_PID=$APP_PID XVFB_PID=$XVFB_PID PEER_HELPER=$HELPER \
        timeout 300 bash -c "$AFTER" 2>>"$WORK/after.err" | tail -1)
    alive "$APP_PID" || { echo "peer_startup: program died during --after" >&2; exit 3; }
fi
EXTRA=$(extra_procs)
RSS_KB=$(awk '/^VmHWM:/{print $2}' "/proc/$APP_PID/status" 2>/dev/null)
THREADS=$(awk '/^Threads:/{print $2}' "/proc/$APP_PID/status" 2>/dev/null)
close_app "$WID"

echo "startup_ms=$FULL_MS rss_kb=${RSS_KB:-NA} map_ms=$MAP_MS nonblank_ms=$NB_MS" \
     "settled_ms=$COMPLETE_MS last_damage_ms=$LAST_MS cpu_ready_ms=$CPU_READY_MS" \
     "xvfb_cpu_ready_ms=$XCPU_READY_MS" \
     "idle_cpu_ms=$IDLE_CPU_MS idle_cpu_us=$IDLE_CPU_US idle_xvfb_cpu_us=$IDLE_XCPU_US idle_s=$IDLE threads=${THREADS:-NA} close_ms=$C_MS close=$C_HOW" \
     "exit=$C_RC win=${R[size]} colors=$COLORS damage_events=${R[damage_events]}" \
     "warmup=$WARMUP a11y=$A11Y display=:$DISPLAY_NUM extra_procs=$EXTRA${AFTER_OUT:+ $AFTER_OUT}"
exit 0
