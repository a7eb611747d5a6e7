#!/usr/bin/env bash
# duel_cpu_percent and key_to_card_ms: a practice duel on the real event loop
# under Xvfb (see bench/duel_realtime.cpp).
set -euo pipefail
build=${1:?build folder}
VANTRAX_AUDIO=null xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/bench_duel_realtime" --measure
