#!/usr/bin/env bash
# Runs each libFuzzer target of a fuzz tree for the given seconds on a working copy of its corpus
# (new inputs land in build/, the committed seed corpus stays as it is).
set -euo pipefail
tree=$1 seconds=$2
root=$(readlink -f "$(dirname "$0")/..")
found=0
while IFS= read -r f; do
  found=1
  name=$(basename "$f")
  seeds=$root/tests/fuzz/corpus/$name
  work=$tree/corpus/$name
  mkdir -p "$work"
  [ -d "$seeds" ] && cp -n "$seeds"/* "$work"/ 2>/dev/null || true
  echo "== $name for ${seconds}s"
  "$f" -max_total_time="$seconds" -print_final_stats=1 "$work" 2>&1 | grep -E 'stat::number_of_executed_units|stat::new_units_added|ERROR|SUMMARY' || true
done < <(find "$tree" -maxdepth 4 -type f -name 'fuzz_*' -perm -u+x | sort)
[ $found -eq 1 ] || echo "no fuzz targets built yet"
