#!/usr/bin/env bash
# Times `anodisation-calc --batch` on 1,000,000 typical lines into a pipe,
# three runs, each with its wall and CPU seconds.
# Usage: bench/cli/batch_pipe_time.sh build/cli/anodisation-calc
set -euo pipefail
program=$1
input=$(mktemp)
trap 'rm -f "$input"' EXIT
awk 'BEGIN {
  srand(16)
  split("cylindre parallelepipede sphere pyramide", shapes, " "); split("2 3 1 2", fields, " ")
  for (i = 0; i < 1000000; i++) {
    s = 1 + int(rand() * 4); line = shapes[s]
    for (f = 0; f < fields[s]; f++) line = line "\t" sprintf("%.*f", int(rand() * 4), rand() * 200)
    print line
  }
}' >"$input"
for run in 1 2 3; do
  /usr/bin/time -f "run $run: %e s wall, %U s user, %S s sys, %M KB" \
    sh -c "LANG=C '$program' --batch <'$input' | cat >/dev/null"
done
