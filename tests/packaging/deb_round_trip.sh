#!/usr/bin/env bash
# The Debian package as a user meets it:
#   deb_round_trip.sh BUILD_DIR
# builds the .deb from BUILD_DIR with cpack, installs it with apt-get (its
# dependencies are already there on a machine set up by scripts/deps), runs
# both programs from /usr/bin, purges it and checks that none of its files
# and none of the folders it created is left.
# Needs root; exits 77 (skipped) without it, or when a package of the same
# name is already installed (a user's copy is not ours to remove).
set -euo pipefail
build=$(cd "$1" && pwd)
package=anodisation

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: installing a package needs root"
  exit 77
fi
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'installed'; then
  echo "SKIP: $package is already installed on this machine"
  exit 77
fi

work=$(mktemp -d)
cleanup() {
  # A failure half-way must not leave the package installed.
  if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'installed'; then
    apt-get purge -y -qq "$package" >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log") \
  || { cat "$work/cpack.log" >&2; fail "cpack could not build the package"; }
deb=$(ls "$work"/out/${package}_*_amd64.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no ${package}_VERSION_amd64.deb in $work/out"

# The package's files, and those of its folders that do not exist before it.
dpkg-deb --contents "$deb" | awk '{ sub(/^\./, "", $6); sub(/\/$/, "", $6); print substr($1, 1, 1), $6 }' \
  | grep -v ' $' >"$work/entries"
awk '$1 != "d" { print $2 }' "$work/entries" >"$work/files"
awk '$1 == "d" { print $2 }' "$work/entries" | while read -r dir; do
  [ -e "$dir" ] || echo "$dir"
done >"$work/new_dirs"
[ -s "$work/files" ] || fail "the package holds no file"

apt_options=(-y -qq -o DPkg::Lock::Timeout=300 --no-install-recommends)
export DEBIAN_FRONTEND=noninteractive
apt-get install "${apt_options[@]}" "$deb" >"$work/install.log" 2>&1 \
  || { cat "$work/install.log" >&2; fail "apt-get could not install $deb"; }

[ -x /usr/bin/anodisation ] || fail "/usr/bin/anodisation is not installed"
result=$(/usr/bin/anodisation-calc cylindre 3 10) || fail "/usr/bin/anodisation-calc failed"
[ "$result" = $' 244.92 Cm² \n2450 mA ' ] || fail "anodisation-calc cylindre 3 10 printed: $result"
version=$(/usr/bin/anodisation --version) || fail "/usr/bin/anodisation --version failed"
[[ "$version" =~ ^anodisation\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "anodisation --version printed: $version"
# The plan files' type: dpkg's triggers for shared-mime-info and
# desktop-file-utils have read the package's MIME XML and desktop entry.
if [ -x /usr/bin/update-mime-database ]; then
  grep -q 'application/x-anodisation-plan:\*\.anodplan' /usr/share/mime/globs2 \
    || fail "the MIME database does not know *.anodplan after the install"
fi
if [ -x /usr/bin/update-desktop-database ]; then
  grep -q '^application/x-anodisation-plan=anodisation.desktop' /usr/share/applications/mimeinfo.cache \
    || fail "the desktop's MIME cache does not open plans with anodisation.desktop"
fi

apt-get purge "${apt_options[@]}" "$package" >"$work/purge.log" 2>&1 \
  || { cat "$work/purge.log" >&2; fail "apt-get could not purge $package"; }
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'installed\|config-files'; then
  fail "dpkg still knows $package after the purge"
fi
left=0
while read -r path; do
  if [ -f "$path" ] || [ -L "$path" ]; then echo "left behind: $path" >&2; left=1; fi
done <"$work/files"
while read -r dir; do
  if [ -e "$dir" ]; then echo "left behind: $dir/" >&2; left=1; fi
done <"$work/new_dirs"
[ "$left" -eq 0 ] || fail "the purge left files behind"
echo "installed, ran and removed $(basename "$deb") cleanly"
