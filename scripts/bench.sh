#!/usr/bin/env bash
# make bench: installs the product into a Wine prefix of its own, drives the built extension as Explorer
# does with tools/bench, and writes the figures to build/bench/report.md with a log-log picture of the
# right-click time against the number of items. Times are medians; ratios compare figures of one run.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
top=$(cd "$(dirname "$0")/.." && pwd)
bench=$build/bench
export WINEPREFIX=$bench/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
winpath() { echo "Z:${1//\//\\}"; }

fail() { echo "bench: $1" >&2; exit 1; }

command -v gnuplot >/dev/null || fail "gnuplot is missing; run scripts/bootstrap.sh (as root) and rerun"

# The items: one folder per selection size, made once and kept.
make_items() {
  local count=$1 folder=$bench/items/$1
  [ -f "$folder/$(printf 'item-%06d.txt' "$count")" ] && return
  mkdir -p "$folder"
  (cd "$folder" && seq -f 'item-%06g.txt' 1 "$count" | xargs touch)
}
for count in 1 1000 10000 100000; do make_items "$count"; done
mkdir -p "$bench/handoff"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "bench: creating the Wine prefix $WINEPREFIX (about 10 seconds)"
  wineboot -i >/dev/null 2>&1 || fail "wineboot could not create $WINEPREFIX"
  wineserver -w
fi

. "$(dirname "$0")/wine-session.sh"
start_wine_session

bin=$build/bin
module=$build/product-module
wine "$bin/brivane-install.exe" install --module-folder "$(winpath "$module")" \
  --temp-folder "$(winpath "$bench/handoff")" --extension "$(winpath "$bin/BrivaneShell.dll")" </dev/null >/dev/null \
  || fail "installing the product into $WINEPREFIX failed"

echo "bench: measuring (about a minute)"
figures=$bench/figures.txt
wine "$bin/brivane-bench.exe" run "$(winpath "$bench")" "$(winpath "$module")" "$(winpath "$bin/BrivaneShell.dll")" \
  "$(winpath "$bench/crc32-only.dll")" </dev/null >"$figures" || fail "the benchmark failed"
{
  echo "bench size_extension_bytes $(stat -c %s "$bin/BrivaneShell.dll") bytes"
  echo "bench size_core_bytes $(stat -c %s "$module/Brivane_Core.dll") bytes"
} >>"$figures"
tr -d '\r' <"$figures" >"$figures.tmp" && mv "$figures.tmp" "$figures"

"$top/scripts/bench-report.sh" "$figures" "$bench"
cat "$figures"
