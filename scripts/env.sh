# Shared locations for the scripts; sourced, not run.
TAVIN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
: "${TAVIN_CACHE:=${XDG_CACHE_HOME:-$HOME/.cache}/tavincsr}"
# The Windows tree's architecture: the 32-bit one the tool ships as wherever this machine can run
# 32-bit programs (32-bit Wine needs that); otherwise the same sources as 64-bit under 64-bit Wine.
tavin_runs_32bit() {
  local d ok=1
  d=$(mktemp -d) || return 1
  printf '.globl _start\n_start: movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' > "$d/p.s"
  as --32 -o "$d/p.o" "$d/p.s" 2>/dev/null && ld -m elf_i386 -o "$d/p" "$d/p.o" 2>/dev/null && "$d/p" 2>/dev/null && ok=0
  rm -rf "$d"
  return $ok
}
if [ -z "${TAVIN_WIN_ARCH:-}" ]; then
  if tavin_runs_32bit; then TAVIN_WIN_ARCH=i686; else TAVIN_WIN_ARCH=x86_64; fi
fi
TAVIN_DEPS="$TAVIN_CACHE/deps/$TAVIN_WIN_ARCH"
: "${CCACHE_DIR:=$TAVIN_CACHE/ccache}"
: "${WINEPREFIX:=$TAVIN_CACHE/wineprefix-$TAVIN_WIN_ARCH}"
# Clones and worktrees share compiled objects: paths are taken relative to the tree.
: "${CCACHE_BASEDIR:=$TAVIN_ROOT}"
: "${CCACHE_NOHASHDIR:=1}"
export TAVIN_ROOT TAVIN_CACHE TAVIN_WIN_ARCH TAVIN_DEPS CCACHE_DIR WINEPREFIX CCACHE_BASEDIR CCACHE_NOHASHDIR
if [ "$TAVIN_WIN_ARCH" = i686 ]; then
  export WINEARCH=win32
else
  # Debian's `wine` prefers the 32-bit loader whenever it is installed: go to the 64-bit one.
  export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
  case ":$PATH:" in *":$TAVIN_ROOT/scripts/wine64:"*) ;; *) PATH="$TAVIN_ROOT/scripts/wine64:$PATH" ;; esac
  export PATH
fi
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installers: the programs need neither.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
