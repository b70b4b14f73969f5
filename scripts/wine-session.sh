# Sourced by the scripts that run programs under Wine: one persistent wineserver (and, with "display",
# an Xvfb display) for the script's life, stopped by process id when it exits; a crashing program
# fails at once instead of waiting in the debugger Wine would start for it.
wine_session_pids=()

stop_wine_session() {
  wineserver -k 2>/dev/null || true
  local p
  for p in "${wine_session_pids[@]}"; do kill "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done
}

start_wine_session() {
  trap stop_wine_session EXIT
  wineserver -p -f >/dev/null 2>&1 &
  wine_session_pids+=($!)
  if [ "${1:-}" = display ]; then
    local display=:$((500 + RANDOM % 400))
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    wine_session_pids+=($!)
    export DISPLAY=$display
  fi
  wine cmd /c exit >/dev/null 2>&1 </dev/null
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f >/dev/null 2>&1 </dev/null
}
