#!/usr/bin/env bash
# Sets the machine up, builds both trees and runs every test: the Windows tree under Wine,
# the portable modules natively under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh"
. "$here/display.sh"
cd "$TAVIN_ROOT"

"$here/setup.sh"
"$here/build.sh" windows native

# One display and one wine server for the whole run.
cleanup() { wineserver -k >/dev/null 2>&1 || true; stop_virtual_display; }
trap cleanup EXIT
display_answers || start_virtual_display || { echo "test: could not start Xvfb" >&2; exit 1; }
wineserver -p

status=0
echo "== Windows tree (under Wine)"
ctest --preset windows -j "${TAVIN_TEST_JOBS:-2}" || status=1
echo "== Native tree (sanitizers)"
ctest --preset native -j "$(nproc)" || status=1
exit $status
