# Shared locations for the scripts; sourced, not run.
TAVIN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
: "${TAVIN_CACHE:=${XDG_CACHE_HOME:-$HOME/.cache}/tavincsr}"
TAVIN_DEPS="$TAVIN_CACHE/deps"
: "${CCACHE_DIR:=$TAVIN_CACHE/ccache}"
: "${WINEPREFIX:=$TAVIN_CACHE/wineprefix}"
# Clones and worktrees share compiled objects: paths are taken relative to the tree.
: "${CCACHE_BASEDIR:=$TAVIN_ROOT}"
: "${CCACHE_NOHASHDIR:=1}"
export TAVIN_ROOT TAVIN_CACHE TAVIN_DEPS CCACHE_DIR WINEPREFIX CCACHE_BASEDIR CCACHE_NOHASHDIR
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installers: the programs need neither.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
