#!/usr/bin/env bash
# Runs every benchmark program of a Release tree (those named bench_* in it).
set -euo pipefail
tree=$1
found=0
while IFS= read -r b; do
  found=1
  echo "== $(basename "$b")"
  "$b"
done < <(find "$tree" -maxdepth 3 -type f -name 'bench_*' -perm -u+x | sort)
[ $found -eq 1 ] || echo "no benchmarks built yet"
