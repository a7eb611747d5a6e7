#!/usr/bin/env bash
# duel_cpu_percent (music and effects on, as a player hears the duel),
# key_to_card_ms, duel_cpu_percent_music_off and duel_rss_mb: a practice duel
# on the real event loop under Xvfb (see bench/duel_realtime.cpp).
set -euo pipefail
build=${1:?build folder}
if ! command -v xvfb-run >/dev/null; then
  echo "# duel_realtime needs xvfb-run (Debian package xvfb); skipped" >&2
  exit 0
fi
run() { VANTRAX_AUDIO=null xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/bench_duel_realtime" "$@"; }
run --measure
run --measure --music-off
run --rss
