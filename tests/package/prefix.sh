#!/usr/bin/env bash
# The package tests' own Wine prefix, made fresh for each run:
#   prefix.sh start DIR     creates DIR/wineprefix with its own wineserver and records the registry and
#                           the file tree of drive C as they are before anything is installed;
#   prefix.sh compare DIR   records them again and fails on any difference beyond what Wine itself changes;
#   prefix.sh stop DIR      ends the prefix's processes and its wineserver.
set -euo pipefail

command=$1
dir=$(mkdir -p "$2" && cd "$2" && pwd)
export WINEPREFIX=$dir/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# What Wine changes by itself, as extended regular expressions over the difference's lines ("+ " added,
# "- " gone; registry lines are "[key]" or "[key]|value", file lines "type path").
wine_changes=(
  # The display driver's key, which Wine's desktop writes once it starts; under load that can be after
  # the first snapshot. Wine 10 also exports it under the control set the current one links to.
  '^\+ \[HKEY_LOCAL_MACHINE\\System\\(CurrentControlSet|ControlSet001)\\Control\\Video(\\.*)?\](\|.*)?$'
  # Wine's own settings of the user, such as the mouse parameters a window session leaves.
  '^[-+] \[HKEY_(USERS\\S-1-5-21-[0-9-]+|CURRENT_USER)\\Software\\Wine(\\.*)?\](\|.*)?$'
  # Windows Installer's own bookkeeping: its keys and its package cache folder stay, emptied.
  '^\+ \[HKEY_LOCAL_MACHINE\\Software\\Classes\\Installer(\\Features|\\Products|\\UpgradeCodes)?\]$'
  '^\+ \[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Installer\\(UpgradeCodes|UserData(\\S-1-5-18(\\Components|\\Products)?)?)\]$'
  '^\+ d \./windows/Installer$'
  # Wine's msiexec, removing the last value of a key, deletes every emptied key up the path, also keys
  # that were there, empty, before the installation.
  '^- \[HKEY_LOCAL_MACHINE\\Software\\Classes\\\*(\\shellex(\\ContextMenuHandlers)?)?\]$'
  '^- \[HKEY_LOCAL_MACHINE\\Software\\Classes\\folder\\shellex(\\ContextMenuHandlers)?\]$'
  '^- \[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions(\\Approved)?\]$'
  # The same for the 32-bit view's class key, empty in a prefix without 32-bit Wine (seen both through
  # Classes\Wow6432Node and through its link Wow6432Node\Classes).
  '^- \[HKEY_LOCAL_MACHINE\\Software\\(Classes\\Wow6432Node|Wow6432Node\\Classes)\\CLSID\]$'
)

# Ends the prefix's server, the persistent one included.
stop_server() {
  wineserver -k 2>/dev/null || true
}

# The registry as exported by regedit: each key on a line of its own, each value as "[key]|value" with
# its continued lines joined.
registry_records() {
  local export=$dir/$1.reg
  rm -f "$export"
  wine regedit /E "$(winepath -w "$export")" </dev/null >/dev/null 2>&1
  iconv -f UTF-16 -t UTF-8 "$export" | tr -d '\r' | awk '
    /^\[/ { key = $0; print key; next }
    /^$/ { next }
    { value = value $0 }
    /\\$/ { sub(/\\$/, "", value); next }
    { print key "|" value; value = "" }'
}

snapshot() {
  registry_records "$1" | LC_ALL=C sort > "$dir/$1.registry"
  (cd "$WINEPREFIX/drive_c" && find . -printf '%y %p\n' | LC_ALL=C sort) > "$dir/$1.files"
}

case $command in
  start)
    stop_server
    rm -rf "$WINEPREFIX" "$dir"/before.* "$dir"/after.*
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 </dev/null
    wineserver -w
    wineserver -p -f >/dev/null 2>&1 &
    # Wine's service processes start here, away from the test run's output pipes.
    wine cmd /c exit >/dev/null 2>&1 </dev/null
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f \
      >/dev/null 2>&1 </dev/null
    snapshot before
    echo "prefix $WINEPREFIX ready"
    ;;
  compare)
    snapshot after
    status=0
    for kind in registry files; do
      LC_ALL=C comm -3 "$dir/before.$kind" "$dir/after.$kind" | sed 's/^\t/+ /; t; s/^/- /' \
        | grep -v -E -f <(printf '%s\n' "${wine_changes[@]}") > "$dir/difference.$kind" || true
      if [ -s "$dir/difference.$kind" ]; then
        echo "the $kind differ from before the installation:"
        cat "$dir/difference.$kind"
        status=1
      fi
    done
    [ "$status" = 0 ] && echo "registry and drive C as before the installation"
    exit "$status"
    ;;
  stop)
    stop_server
    ;;
  *)
    echo "usage: prefix.sh start|compare|stop DIR" >&2
    exit 2
    ;;
esac
