#!/usr/bin/env bash
# assets_generate_s: wall-clock seconds for one full run of the asset generator
# (every picture, sound and track), as the build runs it; the median of three.
set -euo pipefail
build=${1:?build folder}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
runs=()
for i in 1 2 3; do
  rm -rf "$out"/*
  start=$(date +%s.%N)
  QT_QPA_PLATFORM=offscreen "$build/assets/vantrax-assets" "$out" "$out/res" >/dev/null 2>&1
  end=$(date +%s.%N)
  runs+=("$(echo "$end - $start" | bc -l)")
done
median=$(printf '%s\n' "${runs[@]}" | sort -n | sed -n 2p)
printf 'assets_generate_s %.2f s\n' "$median"
