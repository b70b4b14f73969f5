#!/usr/bin/env bash
# Authenticode signing of what the package ships, with osslsigncode.
#   signing.sh identity DIR        chooses the signer and records it in DIR/identity (rewritten only when
#                                  it changes, so that a new signer signs everything again): the release
#                                  certificate the variables below name, or else a test certificate with
#                                  a test root of its own, made here in DIR on first use;
#   signing.sh sign DIR IN OUT     signs the program, DLL or package IN into OUT as DIR/identity says.
# A release is signed with a PKCS#12 file (BRIVANE_SIGN_PKCS12) or a certificate and its key
# (BRIVANE_SIGN_CERT, BRIVANE_SIGN_KEY); BRIVANE_SIGN_PASSWORD, read from the environment only, opens
# either; BRIVANE_SIGN_TIMESTAMP names an RFC 3161 time-stamp server. The password goes to osslsigncode
# on its standard input, never on a command line, and nothing here prints it.
set -euo pipefail

# The signature's description: the product's name and web page.
description=Brivane
url=https://brivane.example/
command=$1
dir=$2
mkdir -p "$dir"

test_certificate() {
  [ -f "$dir/test-signer.pem" ] && return
  local work
  work=$(mktemp -d)
  openssl req -x509 -newkey rsa:2048 -nodes -sha256 -days 825 -subj "/O=Brivane/CN=Brivane Test Root" \
    -keyout "$work/root.key" -out "$work/root.pem" \
    -addext "basicConstraints=critical,CA:true" -addext "keyUsage=critical,keyCertSign,cRLSign" 2>/dev/null
  openssl req -newkey rsa:2048 -nodes -sha256 -subj "/O=Brivane/CN=Brivane Test Code Signing" \
    -keyout "$work/signer.key" -out "$work/signer.csr" 2>/dev/null
  printf '%s\n' "basicConstraints=CA:false" "keyUsage=critical,digitalSignature" "extendedKeyUsage=codeSigning" \
    > "$work/signer.ext"
  openssl x509 -req -in "$work/signer.csr" -CA "$work/root.pem" -CAkey "$work/root.key" -CAcreateserial \
    -sha256 -days 825 -extfile "$work/signer.ext" -out "$work/signer.pem" 2>/dev/null
  mv "$work/root.pem" "$dir/test-root.pem"
  mv "$work/signer.key" "$dir/test-signer.key"
  mv "$work/signer.pem" "$dir/test-signer.pem"
  rm -rf "$work"
}

fingerprint() { sha256sum "$1" | cut -d' ' -f1; }

# What identifies the signer, without any secret: the files and their digests, the time-stamp server.
identity() {
  if [ -n "${BRIVANE_SIGN_PKCS12:-}" ]; then
    echo "pkcs12 $BRIVANE_SIGN_PKCS12 $(fingerprint "$BRIVANE_SIGN_PKCS12")"
  elif [ -n "${BRIVANE_SIGN_CERT:-}" ]; then
    echo "certificate $BRIVANE_SIGN_CERT $(fingerprint "$BRIVANE_SIGN_CERT") key ${BRIVANE_SIGN_KEY:?BRIVANE_SIGN_KEY names no key}"
  else
    test_certificate
    echo "test $dir/test-signer.pem $(fingerprint "$dir/test-signer.pem")"
  fi
  echo "timestamp ${BRIVANE_SIGN_TIMESTAMP:-none}"
}

sign() {
  local in=$1 out=$2 kind
  kind=$(head -n 1 "$dir/identity" | cut -d' ' -f1)
  local args=(sign -h sha256 -n "$description" -i "$url" -in "$in" -out "$out.signing")
  case $kind in
    pkcs12) args+=(-pkcs12 "$BRIVANE_SIGN_PKCS12") ;;
    certificate) args+=(-certs "$BRIVANE_SIGN_CERT" -key "$BRIVANE_SIGN_KEY") ;;
    test) args+=(-certs "$dir/test-signer.pem" -key "$dir/test-signer.key") ;;
  esac
  [ -n "${BRIVANE_SIGN_TIMESTAMP:-}" ] && args+=(-ts "$BRIVANE_SIGN_TIMESTAMP")
  # A signing that fails leaves no half-written file.
  partial=$out.signing
  trap 'rm -f "$partial"' EXIT
  rm -f "$partial"
  if [ -n "${BRIVANE_SIGN_PASSWORD:-}" ]; then
    printf '%s' "$BRIVANE_SIGN_PASSWORD" | osslsigncode "${args[@]}" -readpass - >/dev/null
  else
    osslsigncode "${args[@]}" >/dev/null
  fi
  mv "$out.signing" "$out"
}

case $command in
  identity)
    identity > "$dir/identity.new"
    if cmp -s "$dir/identity.new" "$dir/identity"; then rm "$dir/identity.new"; else mv "$dir/identity.new" "$dir/identity"; fi
    ;;
  sign)
    sign "$3" "$4"
    ;;
  *)
    echo "usage: signing.sh identity DIR | sign DIR IN OUT" >&2
    exit 2
    ;;
esac
