#!/usr/bin/env bash
# The package's Authenticode signatures, checked with osslsigncode against the test root the build made:
# the package itself, every program and DLL inside it, and each of them as msiexec installs it in the
# package tests' Wine prefix; a binary changed by one byte after signing must fail.
# Usage: signatures.sh PACKAGE.msi TEST-ROOT.pem   (WINEPREFIX: the package tests' prefix)
set -uo pipefail

msi=$1
root=$2
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export WINEDEBUG=-all

# verify FILE: the signature holds, over SHA-256 digests, made by the test certificate with the
# product's name as its description.
verify() {
  local report
  if ! report=$(osslsigncode verify -CAfile "$root" -in "$1" 2>&1); then
    echo "$1 does not verify:"; echo "$report" | tail -n 5
    failures=$((failures + 1))
    return
  fi
  local line
  for line in "Message digest algorithm: SHA256" "Subject: /O=Brivane/CN=Brivane Test Code Signing" \
              "Text description: Brivane"; do
    grep -qF -- "$line" <<<"$report" || { echo "$1: no '$line'"; failures=$((failures + 1)); }
  done
}

verify "$msi"

msiextract -C "$work/extracted" "$msi" >/dev/null
mapfile -t binaries < <(find "$work/extracted" -type f \( -iname '*.dll' -o -iname '*.exe' \) | sort)
# Four 64-bit ones, and in the x86 folder the 32-bit extension and core library with the application.
[ "${#binaries[@]}" = 7 ] || { echo "${#binaries[@]} programs and DLLs in the package, not 7"; failures=$((failures + 1)); }
for binary in "${binaries[@]}"; do verify "$binary"; done

# One byte of the extension's code, inverted.
tampered=$work/tampered.dll
cp "$(printf '%s\n' "${binaries[@]}" | grep -m1 '/BrivaneShell\.dll$')" "$tampered"
offset=$(($(stat -c %s "$tampered") / 2))
byte=$(od -An -tu1 -j "$offset" -N1 "$tampered" | tr -d ' ')
printf "$(printf '\\%03o' $((255 - byte)))" | dd of="$tampered" bs=1 seek="$offset" conv=notrunc status=none
if osslsigncode verify -CAfile "$root" -in "$tampered" >/dev/null 2>&1; then
  echo "a DLL changed after signing still verifies"
  failures=$((failures + 1))
fi

# As installed.
wine msiexec /i "$(winepath -w "$msi")" /qn </dev/null >/dev/null 2>&1 || { echo "msiexec /i failed"; failures=$((failures + 1)); }
installed=$WINEPREFIX/drive_c/Program\ Files/Brivane
for name in BrivaneShell.dll Brivane_Core.dll Brivane_Application_Palisor_Against_Lib.exe brivane-check.exe \
            x86/BrivaneShell.dll x86/Brivane_Core.dll x86/Brivane_Application_Palisor_Against_Lib.exe; do
  if [ -f "$installed/$name" ]; then verify "$installed/$name"; else echo "$name is not installed"; failures=$((failures + 1)); fi
done
wine msiexec /x "$(winepath -w "$msi")" /qn </dev/null >/dev/null 2>&1 || { echo "msiexec /x failed"; failures=$((failures + 1)); }

if [ "$failures" -gt 0 ]; then
  echo "$failures signature check(s) failed"
  exit 1
fi
echo "the package, its programs and DLLs, packaged and installed, carry valid signatures"
