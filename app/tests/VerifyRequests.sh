#!/usr/bin/env bash
# Checks on the host, with OpenSSL, the requests that app_end_to_end_tests wrote under Wine:
#   VerifyRequests.sh <output folder>
# expected.tsv holds one line per request: the identifier, then KEY=value for each typed value.
# Each request must verify, carry each value under its attribute, and hold the key of the two key files.
set -uo pipefail
folder=$1
passed=0
failed=0

check() { # identifier, description, condition status
  if [ "$3" -eq 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $1: $2" >&2; fi
}

der_of_public_key() { openssl pkey "$@" -pubout -outform DER 2>/dev/null | sha256sum; }

[ -s "$folder/expected.tsv" ] || { echo "no expected.tsv in $folder" >&2; echo "0 passed, 1 failed"; exit 1; }
while IFS=$'\t' read -r -a fields; do
  id=${fields[0]}
  request="$folder/${id}_csr_key.txt"
  openssl req -in "$request" -noout -verify >/dev/null 2>&1
  check "$id" "signature" $?
  subject=$(openssl req -in "$request" -noout -subject -nameopt multiline,utf8,-esc_msb,show_type 2>&1)
  echo "$id:"$'\n'"$subject"
  # Attribute names as OpenSSL shows them.
  for pair in "${fields[@]:1}"; do
    key=${pair%%=*}
    value=${pair#*=}
    case $key in
      CN) name=commonName ;; SN) name=serialNumber ;; E) name=emailAddress ;; T) name=title ;;
      OU) name=organizationalUnitName ;; SUR) name=surname ;; GN) name=givenName ;;
      ST) name=stateOrProvinceName ;; L) name=localityName ;; O) name=organizationName ;;
    esac
    grep -qE "^ *$name *= *[A-Z0-9]+:$(printf '%s' "$value" | sed 's/[][\.*^$/]/\\&/g')" <<<"$subject"
    check "$id" "$name = $value" $?
  done
  request_key=$(openssl req -in "$request" -noout -pubkey 2>/dev/null | der_of_public_key -pubin)
  [ "$request_key" == "$(der_of_public_key -in "$folder/${id}_private_key.txt")" ]
  check "$id" "private key belongs to the request" $?
  [ "$request_key" == "$(der_of_public_key -pubin -in "$folder/${id}_publick_key.txt")" ]
  check "$id" "public key file is the request's key" $?
done < "$folder/expected.tsv"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
