#!/usr/bin/env bash
# Builds Tessaro and starts the game from the build's program folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -G Ninja
# Only what playing needs: the game, the command-line tool and their data;
# scripts/test.sh builds the rest.
cmake --build "$build" -j2 --target tessaro tessaro-cli games_dat vra_rgf
if [ -x "$build/bin/tessaro" ]; then
  exec "$build/bin/tessaro" "$@"
else
  exec "$build/bin/tessaro-cli" games
fi
