#!/usr/bin/env bash
# Whole generation (2048-bit key, request, files) through ckd32.dll under Wine against
# `openssl req -newkey rsa:2048 -nodes` on the host, interleaved in rounds in one run.
# Usage: bench/ckd32_bench.sh [rounds] [runs per round]   (after scripts/build.sh windows)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../scripts/env.sh"
rounds=${1:-6}
runs=${2:-10}
bench="$TAVIN_ROOT/build/windows/bin/Ckd32Bench.exe"
[ -f "$bench" ] || { echo "build the windows tree first: $bench missing" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/dll" "$work/openssl"
dll_times="$work/dll.txt" openssl_times="$work/openssl.txt" start_times="$work/start.txt"
subject='/C=IR/O=مستقل/OU=شرکت نمونه/CN=علی رضایی [Stamp]/emailAddress=ali@example.ir/serialNumber=0012345671/SN=رضایی/GN=علی/ST=تهران/L=تهران'

now_ns() { date +%s%N; }

for ((round = 1; round <= rounds; round++)); do
  "$TAVIN_ROOT/scripts/wine-run" "$bench" "$runs" "Z:${work//\//\\}\\dll" | tr -d '\r' | awk '{print $2}' >> "$dll_times"
  for ((i = 0; i < runs; i++)); do
    t0=$(now_ns)
    openssl req -new -newkey rsa:2048 -nodes -utf8 -subj "$subject" \
      -keyout "$work/openssl/key.pem" -out "$work/openssl/csr.pem" 2>/dev/null
    t1=$(now_ns)
    openssl version >/dev/null
    t2=$(now_ns)
    echo "scale=3; ($t1 - $t0) / 1000000" | bc >> "$openssl_times"
    echo "scale=3; ($t2 - $t1) / 1000000" | bc >> "$start_times"
  done
done

median() { sort -g "$1" | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
dll=$(median "$dll_times")
ossl=$(median "$openssl_times")
start=$(median "$start_times")
echo "runs: $(wc -l < "$dll_times") each, interleaved in $rounds rounds"
printf 'ckd32.dll under Wine, whole generation   median %9.1f ms\n' "$dll"
printf 'openssl req -newkey rsa:2048 (process)   median %9.1f ms   (of which process start ~%.1f ms)\n' "$ossl" "$start"
printf 'ratio ckd32 / openssl                    %9.2f   (goal: at most 1.50)\n' "$(echo "$dll / $ossl" | bc -l)"
