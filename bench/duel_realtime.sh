#!/usr/bin/env bash
# A practice duel on the real event loop under Xvfb, measured as a player
# hears it: the game plays into a sound device, a private PulseAudio daemon
# with a null sink, so the music is synthesised and pulled the way a sound
# card pulls it (see bench/duel_realtime.cpp).
#   duel_cpu_percent               music and effects on, real device
#   key_to_card_ms                 from a key release to the card painted
#   duel_cpu_percent_music_off     music and effects off
#   duel_rss_mb                    peak resident memory, music on, real device
#   duel_cpu_percent_null_output   music and effects on, VANTRAX_AUDIO=null:
#                                  no device, so no notes are synthesised
set -euo pipefail
build=${1:?build folder}
if ! command -v xvfb-run >/dev/null; then
  echo "# duel_realtime needs xvfb-run (Debian package xvfb); skipped" >&2
  exit 0
fi
run() { xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/bench_duel_realtime" "$@"; }

VANTRAX_AUDIO=null run --measure | sed -n 's/^duel_cpu_percent /duel_cpu_percent_null_output /p'

if ! command -v pulseaudio >/dev/null; then
  echo "# the duel on a sound device needs pulseaudio (Debian package pulseaudio); skipped" >&2
  exit 0
fi
# The daemon lives in a folder of its own, found by the game through
# XDG_RUNTIME_DIR, and keeps its cookie and state there too, not in $HOME.
pulse=$(mktemp -d)
stop_pulse() {
  if [ -f "$pulse/pulse/pid" ]; then kill "$(cat "$pulse/pulse/pid")" 2>/dev/null || true; fi
  rm -rf "$pulse"
}
trap stop_pulse EXIT
HOME=$pulse XDG_RUNTIME_DIR=$pulse pulseaudio -D -n --exit-idle-time=-1 --use-pid-file=yes \
  --load=module-null-sink --load="module-native-protocol-unix auth-anonymous=1" 2>/dev/null
for _ in $(seq 50); do
  [ -S "$pulse/pulse/native" ] && break
  sleep 0.1
done
if [ ! -S "$pulse/pulse/native" ]; then
  echo "# the private PulseAudio daemon did not start; the duel on a sound device skipped" >&2
  exit 0
fi
export XDG_RUNTIME_DIR=$pulse
unset VANTRAX_AUDIO
run --measure
run --measure --music-off
run --rss
