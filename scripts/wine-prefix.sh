#!/usr/bin/env bash
# Creates the project's 32-bit Wine prefix once: fonts with Persian glyphs behind the names the
# programs ask for, 96 DPI, and no crash dialog (a crash must end the run, not wait for a click).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh"

# Bump when the settings below change, so existing prefixes are rebuilt.
prefix_version=1
stamp="$WINEPREFIX/.tavin-prefix-$prefix_version-$WINEARCH"
[ -f "$stamp" ] && exit 0

# Several runners may find the prefix missing at once: one builds it, the others wait for it.
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$stamp" ] && exit 0

command -v wine >/dev/null || { echo "wine-prefix: wine is not installed (run scripts/setup.sh)" >&2; exit 1; }
font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
[ -f "$font" ] || { echo "wine-prefix: $font is missing (package fonts-dejavu-core)" >&2; exit 1; }

echo "wine-prefix: creating $WINEPREFIX"
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
# wineboot needs no display, but some of its helpers look for one.
DISPLAY= wineboot --init >/dev/null 2>&1 || { echo "wine-prefix: wineboot failed" >&2; rm -rf "$WINEPREFIX"; exit 1; }
wineserver -w

# Wine's own Tahoma has no Arabic script: the dialog and UI font names resolve to DejaVu Sans,
# and DejaVu Sans is linked behind Tahoma for any glyph it lacks.
cp "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
reg="$WINEPREFIX/tavin.reg"
{
  echo 'REGEDIT4'
  echo
  echo '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]'
  for name in "Tahoma" "Segoe UI" "MS Shell Dlg" "MS Shell Dlg 2" "Arial" "Microsoft Sans Serif" "Times New Roman"; do
    echo "\"$name\"=\"DejaVu Sans\""
  done
  echo
  echo '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]'
  echo '"MS Shell Dlg"="DejaVu Sans"'
  echo '"MS Shell Dlg 2"="DejaVu Sans"'
  echo
  echo '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]'
  echo '"Tahoma"=hex(7):44,00,65,00,6a,00,61,00,56,00,75,00,53,00,61,00,6e,00,73,00,2e,00,74,00,74,00,66,00,2c,00,44,00,65,00,6a,00,61,00,56,00,75,00,20,00,53,00,61,00,6e,00,73,00,00,00,00,00'
  echo
  echo '[HKEY_CURRENT_USER\Control Panel\Desktop]'
  echo '"LogPixels"=dword:00000060'
  echo
  echo '[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts]'
  echo '"LogPixels"=dword:00000060'
  echo
  echo '[HKEY_CURRENT_USER\Software\Wine\WineDbg]'
  echo '"ShowCrashDialog"=dword:00000000'
  echo
  echo '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]'
  echo '"Decorated"="Y"'
} > "$reg"
wine regedit /S "$reg" >/dev/null 2>&1 || { echo "wine-prefix: registry import failed" >&2; rm -rf "$WINEPREFIX"; exit 1; }
wineserver -w
touch "$stamp"
echo "wine-prefix: ready"
