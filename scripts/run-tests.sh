#!/usr/bin/env bash
# Runs every CTest test under Wine with one persistent wineserver (and an Xvfb display when a test needs one),
# both stopped by their own process ids afterwards.
set -uo pipefail

build=$(cd "${1:-build}" && pwd)
shift || true
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

pids=()
cleanup() {
  # Ends the prefix's Wine processes first, then what this run started, by process id.
  wineserver -k 2>/dev/null
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; wait "$p" 2>/dev/null; done
}
trap cleanup EXIT

wineserver -p -f >/dev/null 2>&1 &
pids+=($!)
# Wine's service processes start with the first program and outlive it; start them here, away from
# CTest's output pipes, which they would otherwise hold open until the timeout.
wine cmd /c exit >/dev/null 2>&1 </dev/null
# A crashing test must fail at once, not wait in the debugger Wine would start for it.
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f >/dev/null 2>&1 </dev/null

if ctest --test-dir "$build" -N -L display 2>/dev/null | grep -q 'Total Tests: [1-9]'; then
  display=:$((90 + RANDOM % 400))
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  export DISPLAY=$display
  sleep 1
else
  unset DISPLAY
fi

# One test per core at a time; tests that share state of the prefix take turns (their RESOURCE_LOCK).
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" "$@"
