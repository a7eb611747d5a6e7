#!/usr/bin/env bash
# startup_to_first_window_ms: the median of several cold starts under Xvfb,
# from exec until the first window is mapped, with an empty settings folder;
# startup_to_title_drawn_ms: the same starts, until the screen stopped
# changing (the main window's menus and the title window drawn).
# If KDE's KPat is installed, its figure is printed beside ours for comparison.
set -euo pipefail
build=${1:?build folder}
runs=9
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
measure() {
  xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/bench_startup_probe" "$runs" "$@"
}
# One warm-up so that "cold" means a fresh process, not a cold disk cache.
measure "$build/vantrax" >/dev/null
runs_out=$(measure "$build/vantrax")
echo "startup_to_first_window_ms $(echo "$runs_out" | cut -d' ' -f1 | median) ms"
echo "startup_to_title_drawn_ms $(echo "$runs_out" | cut -d' ' -f2 | median) ms"
# Debian puts games in /usr/games, which is not on every PATH.
kpat=$(PATH="$PATH:/usr/games" command -v kpat || true)
if [ -n "$kpat" ]; then
  echo "kpat_startup_to_first_window_ms $(measure "$kpat" | cut -d' ' -f1 | median) ms"
fi
