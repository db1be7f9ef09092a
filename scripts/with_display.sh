#!/usr/bin/env bash
# Runs a command on a display server of its own and stops the server afterwards: `x11` starts
# Xvfb, `wayland` a headless Weston, both with a 1920x1080 screen. Used by CTest to run the window
# tests on real platform plugins.
#   scripts/with_display.sh x11|wayland COMMAND [ARG ...]
set -uo pipefail
kind=${1:?usage: with_display.sh x11|wayland COMMAND ...}
shift
runtime=$(mktemp -d)
chmod 700 "$runtime"
server=
stop() {
  [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -rf "$runtime"
}
trap stop EXIT

export XDG_RUNTIME_DIR=$runtime
case "$kind" in
  x11)
    for n in $(seq 200 260); do
      [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || break
    done
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp -noreset >"$runtime/server.log" 2>&1 &
    server=$!
    socket=/tmp/.X11-unix/X$n
    export DISPLAY=":$n" QT_QPA_PLATFORM=xcb
    ;;
  wayland)
    name=kelvora-test-$$
    weston --backend=headless-backend.so --socket="$name" --width=1920 --height=1080 \
      --idle-time=0 >"$runtime/server.log" 2>&1 &
    server=$!
    socket=$runtime/$name
    export WAYLAND_DISPLAY=$name QT_QPA_PLATFORM=wayland
    unset DISPLAY
    ;;
  *)
    echo "unknown display kind: $kind" >&2
    exit 2
    ;;
esac
for _ in $(seq 1 100); do
  [ -S "$socket" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
if [ ! -S "$socket" ]; then
  echo "the $kind display server did not start:" >&2
  cat "$runtime/server.log" >&2
  exit 1
fi
"$@"
