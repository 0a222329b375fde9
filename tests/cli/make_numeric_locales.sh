#!/bin/sh
# Compiles the numeric part (LC_NUMERIC) of the locales the program's tests
# name into OUTDIR, so that the tests need no locale generated for the whole
# system: they point LOCPATH there. The other categories are left undefined
# on purpose (localedef -c then warns and exits with 1: the file is checked).
# Usage: make_numeric_locales.sh OUTDIR LOCALE...
set -eu
out=$1
shift
mkdir -p "$out"
for name in "$@"; do
  source="$out/$name.numeric"
  printf 'LC_NUMERIC\ncopy "%s"\nEND LC_NUMERIC\n' "$name" >"$source"
  localedef -c -i "$source" -f UTF-8 "$out/$name.UTF-8" >/dev/null 2>&1 || true
  rm -f "$source"
  test -f "$out/$name.UTF-8/LC_NUMERIC"
done
