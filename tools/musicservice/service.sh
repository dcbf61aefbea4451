# Sourced (after tools/setup/build.sh): starts the local music list service on a free loopback
# port, so runs in several checkouts of one machine never share one, and points the program at
# it through QUAVLET_MUSIC_HOST. quavlet_stop_music_service ends it.

# quavlet_start_music_service <log file>
quavlet_start_music_service() {
  local log=$1 port_file
  port_file=$(mktemp)
  rm -f "$port_file"
  python3 "$quavlet_root/tools/musicservice/musicservice.py" --port 0 --port-file "$port_file" \
    >"$log" 2>&1 &
  quavlet_music_service_pid=$!
  for _ in $(seq 100); do
    [ -s "$port_file" ] && break
    sleep 0.05
  done
  if [ ! -s "$port_file" ]; then
    echo "The local music list service did not start; see $log" >&2
    return 1
  fi
  export QUAVLET_MUSIC_HOST="127.0.0.1:$(cat "$port_file")"
  rm -f "$port_file"
}

quavlet_stop_music_service() {
  if [ -n "${quavlet_music_service_pid:-}" ]; then
    kill "$quavlet_music_service_pid" 2>/dev/null || true
    wait "$quavlet_music_service_pid" 2>/dev/null || true
  fi
  return 0
}

# quavlet_headless_session <service log>: for a script that has sourced a Wine environment
# (tools/setup/wine-env.sh or wine32-env.sh): a persistent headless wineserver and the local
# music list service, both ended when the script exits.
quavlet_headless_session() {
  trap 'quavlet_stop_music_service; quavlet_end_headless_wine' EXIT
  quavlet_headless_wine persistent || return 1
  quavlet_start_music_service "$1" || return 1
}
