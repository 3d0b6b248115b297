#!/usr/bin/env bash
# Installs the build into a temporary prefix, moves the prefix elsewhere and
# runs the installed programs as a player who may not write there: the rules
# are found from the program's own place, the game starts, deals and keeps its
# settings in the player's ~/.local/share/tessaro/Data, prints nothing on
# standard error (no sound device here), and nothing under the prefix changes.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d /tmp/tessaro-install-test.XXXXXX)
cleanup() { chmod -R u+w "$work" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
chmod 755 "$work"
cmake --install "$build" --prefix "$work/first" >/dev/null
# A prefix moved after installing must work as well: nothing may name it.
mv "$work/first" "$work/prefix"
prefix=$work/prefix
for f in bin/tessaro bin/tessaro-cli share/tessaro/GAMES.DAT share/tessaro/VRA.RGF \
         share/applications/io.github.tessaro.tessaro.desktop share/metainfo/io.github.tessaro.tessaro.metainfo.xml \
         share/man/man6/tessaro.6.gz share/man/man6/tessaro-cli.6.gz; do
  [ -f "$prefix/$f" ] || fail "$f not installed"
done
for size in 16 22 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/io.github.tessaro.tessaro.png
  [ -f "$icon" ] || fail "no ${size}px icon"
  [ "$(file -b "$icon" | grep -o "$size x $size")" = "$size x $size" ] || fail "icon $icon is not $size x $size"
done
chmod -R a+rX,a-w "$prefix"

# The player: "nobody" when the tests run as root, else the user running them
# (the prefix is read-only for the owner too now).
home=$work/home
runtime=$work/runtime
mkdir -p "$home" "$runtime"
chmod 700 "$runtime"
as_player=()
if [ "$(id -u)" -eq 0 ]; then
  chown 65534:65534 "$home" "$runtime"
  as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
# setpriv and env replace themselves with the program: a signal to the
# process started in the background reaches the game.
player_env=("${as_player[@]}" env -i HOME="$home" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$runtime"
            QT_QPA_PLATFORM=offscreen ${ASAN_OPTIONS:+ASAN_OPTIONS=$ASAN_OPTIONS}
            ${UBSAN_OPTIONS:+UBSAN_OPTIONS=$UBSAN_OPTIONS})
player() { "${player_env[@]}" "$@"; }
snapshot() { (cd "$prefix" && find . -printf '%p %s %m %T@\n' | sort); }
before=$(snapshot)

# The command-line tool lists every game of the build from the installed rules.
expected=$("$build/bin/tessaro-cli" games --program-dir "$build/bin")
got=$(player "$prefix/bin/tessaro-cli" games) || fail "tessaro-cli games failed"
[ "$got" = "$expected" ] || fail "tessaro-cli games listed:"$'\n'"$got"$'\n'"expected:"$'\n'"$expected"
[ "$(player "$prefix/bin/tessaro" --version)" = "$(player "$prefix/bin/tessaro-cli" --version | sed 's/-cli//')" ] ||
  fail "the two programs give different versions"
player "$prefix/bin/tessaro" --help | grep -q "Usage: tessaro" || fail "tessaro --help"

# The game: first start with a game asked for (it is dealt as if chosen in the
# selection, which remembers it), then a quit request, which closes the
# window as the player would.
game=$(tail -n1 <<<"$expected" | cut -f1)
data=$home/.local/share/tessaro/Data
"${player_env[@]}" "$prefix/bin/tessaro" --game "$game" >"$work/out" 2>"$work/err" &
pid=$!
dealt() { grep -qs "^Game=0*$game\$" "$data/CFG.DAT"; }
for _ in $(seq 150); do
  dealt && break
  kill -0 $pid 2>/dev/null || break
  sleep 0.2
done
dealt || { kill -KILL $pid 2>/dev/null; fail "game $game was not dealt; settings: $(cat "$data/CFG.DAT" 2>&1); stderr: $(cat "$work/err")"; }
sleep 1
kill -TERM $pid
status=0
for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
kill -0 $pid 2>/dev/null && { kill -KILL $pid; fail "the game did not end on SIGTERM"; }
wait $pid || status=$?
[ $status -eq 0 ] || fail "the game ended with status $status; stderr: $(cat "$work/err")"
# Qt's offscreen platform itself notes once that it cannot pass size hints
# on; that line is the platform's, not the game's.
grep -v '^This plugin does not support propagateSizeHints()$' "$work/err" >"$work/err.game" || true
[ ! -s "$work/err.game" ] || fail "the game wrote on standard error:"$'\n'"$(cat "$work/err.game")"
grep -q "^Run_Exe=1" "$data/CFG.DAT" || fail "settings without the first run: $(cat "$data/CFG.DAT")"
grep -q "^MainWindowState_Maximized=" "$data/CFG.DAT" || fail "the window state was not saved at the end"
[ -f "$home/.local/share/tessaro/VRAV0540.DAT" ] || fail "no version marker in the player's folder"
[ "$(stat -c %a "$data")" = 700 ] || fail "the data folder is readable by others"

[ "$(snapshot)" = "$before" ] || fail "files under the prefix changed:"$'\n'"$(diff <(echo "$before") <(snapshot))"
echo "install test passed"
