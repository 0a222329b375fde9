#!/usr/bin/env bash
# Two packs of one build give the same bytes, though the files' times differ
# as they do between two builds:
#   deb_reproducible.sh BUILD_DIR
# packs BUILD_DIR with cpack, gives every file the package takes from the
# build folder a new time, packs again and compares the two packages byte
# for byte; then checks that every member of the package, the archives' own
# members included, carries the source date the build was configured with.
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

pack() {
  (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/$1" >"$work/$1.log" 2>&1) \
    || { cat "$work/$1.log" >&2; fail "cpack could not build the package"; }
  ls "$work/$1"/anodisation_*.deb
}

first=$(pack first)
sleep 1
find "$build/app" "$build/cli" -maxdepth 1 -type f -perm -u+x -exec touch {} +
find "$build/packaging" -type f \( -name '*.gz' -o -name '*.xml' \) -exec touch {} +
second=$(pack second)
if ! cmp -s "$first" "$second"; then
  diff <(dpkg-deb --contents "$first") <(dpkg-deb --contents "$second") >&2 || true
  fail "two packs of one build differ: $(cmp "$first" "$second")"
fi

epoch=$(sed -n 's/^set(CPACK_ANOD_SOURCE_DATE_EPOCH "\([0-9]*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$epoch" ] || fail "CPackConfig.cmake has no CPACK_ANOD_SOURCE_DATE_EPOCH"
stamp=$(TZ=UTC date -d "@$epoch" '+%Y-%m-%d %H:%M:%S')
cd "$work" && ar x "$first"
for archive in data.tar.* control.tar.*; do
  TZ=UTC tar -tvf "$archive" --full-time | awk -v stamp="$stamp" -v archive="$archive" \
    '$4 " " $5 != stamp { print archive ": " $0 " is not dated " stamp; bad = 1 } END { exit bad }' >&2 \
    || fail "members not dated from the last commit"
done
echo "two packs gave the same $(basename "$first") ($(stat -c %s "$first") bytes), every member dated $stamp UTC"
