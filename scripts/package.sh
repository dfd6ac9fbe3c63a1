#!/usr/bin/env bash
# Builds the Debian package of verbal from a clean build (programs only,
# with Debian's hardening flags, the programs linked into /usr/games as
# Debian wants for games), judges it with lintian, checks it as the tests
# do, and leaves it in dist/.
# Usage: scripts/package.sh [output-dir]   (default: dist/)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/dist}"
dir="$root/build-package"

"$root/scripts/setup.sh" --package

echo "== Compilation (propre) =="
rm -rf "$dir"
mkdir -p "$dir"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
"$root/scripts/build.sh" "$dir" -DCMAKE_INSTALL_BINDIR=games -DVERBAL_TESTS=OFF -DVERBAL_BENCH=OFF \
  > "$dir/build.log" || { tail -40 "$dir/build.log"; exit 1; }

echo "== Paquet =="
umask 022
cpack --config "$dir/CPackConfig.cmake" -B "$dir/deb" > "$dir/cpack.log" 2>&1 \
  || { cat "$dir/cpack.log"; exit 1; }
deb=$(ls "$dir"/deb/verbal_*.deb)

echo "== lintian =="
# Errors and warnings fail; the informational tags are shown.
lintian --fail-on error,warning --display-info "$deb"

echo "== Vérification =="
bash "$root/tests/install/package_test.sh" "$dir" "$dir/check" "$deb"

mkdir -p "$out"
cp "$deb" "$out/"
echo "Paquet prêt : $out/${deb##*/}"
