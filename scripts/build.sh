#!/usr/bin/env bash
# Configures and builds the given trees (windows, native, fuzz; default: windows native).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh"
cd "$TAVIN_ROOT"
trees=("$@")
[ ${#trees[@]} -gt 0 ] || trees=(windows native)
for t in "${trees[@]}"; do
  if [ ! -f "build/$t/CMakeCache.txt" ]; then
    cmake --preset "$t" >/dev/null || { echo "build: configuring $t failed" >&2; exit 1; }
  fi
  cmake --build --preset "$t" || { echo "build: building $t failed" >&2; exit 1; }
done
