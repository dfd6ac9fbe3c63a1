#!/usr/bin/env bash
# Checks the Debian package of a build: its control fields, that it holds
# exactly the expected tree and the same tree as `cmake --install --prefix
# /usr` of that build, that its desktop entry, software-centre metadata and
# manual pages pass Debian's own tools, and that its programs run from a
# throw-away root (dpkg-deb -x): verbal-cli computes a grid, verbal and
# helpview start offscreen. Nothing is installed on the machine.
#
# Usage: package_test.sh BUILD_DIR WORK_DIR [PACKAGE.deb]
#   Without a package, one is made from BUILD_DIR with cpack.
set -euo pipefail
build=$(cd "$1" && pwd)
work=$2
deb=${3:-}
# shellcheck source=/dev/null
. "$build/package.env"

failures=0
fail() {
  echo "ÉCHEC : $*" >&2
  failures=$((failures + 1))
}

for tool in dpkg-deb dpkg-shlibdeps cpack desktop-file-validate appstreamcli man; do
  command -v "$tool" > /dev/null || { echo "Outil absent : $tool (scripts/setup.sh l'installe)" >&2; exit 1; }
done

rm -rf "$work"
mkdir -p "$work/config" "$work/tmp"
unset DESTDIR VERBAL_REGISTRY
export XDG_CONFIG_HOME="$work/config" TMPDIR="$work/tmp" QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
umask 022

if [ -z "$deb" ]; then
  cpack --config "$build/CPackConfig.cmake" -B "$work/deb" > "$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log" >&2; exit 1; }
  deb=$(ls "$work"/deb/verbal_*.deb)
fi

# Control fields: name, version of the project, section, maintainer, and
# dependencies found by dpkg-shlibdeps.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = verbal ] || fail "Package : $(field Package)"
[ "$(field Version)" = "$VERBAL_VERSION" ] || fail "Version : $(field Version), attendue $VERBAL_VERSION"
[ "$(field Section)" = games ] || fail "Section : $(field Section)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture : $(field Architecture)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer : $(field Maintainer)"
depends=$(field Depends)
for lib in libc6 libstdc++6 libsndfile1 libpulse0; do
  [[ ", $depends," == *", $lib "* ]] || fail "Depends sans $lib : $depends"
done
if [ "$VERBAL_HAVE_GUI" = ON ]; then
  for lib in libqt6widgets6 libqt6gui6 libqt6svg6 libqt6printsupport6; do
    [[ ", $depends," == *", $lib "* ]] || fail "Depends sans $lib : $depends"
  done
fi

# The package's tree, one line per entry: type, path and, for a link, its
# target. Directories are implied by what they hold.
dpkg-deb -c "$deb" | awk '{
    type = substr($1, 1, 1); if (type == "-") type = "f"
    if (type == "d") next
    line = $6; for (i = 7; i <= NF; i++) line = line " " $i
    sub(/^\.\//, "", line)
    print type " " line
  }' | sort > "$work/package.txt"
dpkg-deb -c "$deb" | awk '$2 != "root/root" { print "propriétaire " $2 " : " $6 }' > "$work/owners.txt"
[ -s "$work/owners.txt" ] && fail "fichiers qui n'appartiennent pas à root : $(head -3 "$work/owners.txt")"
dpkg-deb -c "$deb" | awk '$1 ~ /^-/ && $1 != "-rw-r--r--" && $1 != "-rwxr-xr-x" { print $1 " " $6 }' \
  > "$work/modes.txt"
[ -s "$work/modes.txt" ] && fail "droits inattendus : $(head -3 "$work/modes.txt")"

# What it must hold, whatever the build.
bin="usr/$VERBAL_BINDIR"
lib=usr/lib/verbal
{
  echo "l $bin/verbal-cli -> ../lib/verbal/verbal-cli"
  echo "f $lib/verbal-cli"
  for file in Standard.lex Standard.dex NOTICE registry.ini aide.htm defaut.htm enligne.htm \
              bip.wav ding.wav tiou.wav tuttut.wav victoire.wav zip.wav \
              licences/Apache-2.0.txt licences/LGPL-2.1.txt licences/MPL-2.0.txt; do
    echo "f $lib/$file"
  done
  for picture in "$VERBAL_SOURCE_DIR"/data/aide/*.png; do
    echo "f $lib/aide/${picture##*/}"
  done
  echo "f usr/share/man/fr/man6/verbal-cli.6.gz"
  echo "f usr/share/man/man6/verbal-cli.6.gz"
  echo "f usr/share/bash-completion/completions/verbal-cli"
  echo "f usr/share/doc/verbal/copyright"
  echo "f usr/share/doc/verbal/changelog.gz"
  if [ "$VERBAL_HAVE_GUI" = ON ]; then
    echo "l $bin/verbal -> ../lib/verbal/verbal"
    echo "f $lib/verbal"
    echo "f $lib/helpview"
    echo "f usr/share/applications/$VERBAL_APP_ID.desktop"
    echo "f usr/share/metainfo/$VERBAL_APP_ID.metainfo.xml"
    echo "f usr/share/icons/hicolor/scalable/apps/$VERBAL_APP_ID.svg"
    echo "f usr/share/icons/hicolor/scalable/mimetypes/application-x-verbaline-grille.svg"
    echo "f usr/share/mime/packages/verbaline-grille.xml"
    echo "f usr/share/man/fr/man6/verbal.6.gz"
    echo "f usr/share/man/fr/man6/helpview.6.gz"
    echo "f usr/share/man/man6/verbal.6.gz"
  fi
} | sort > "$work/expected.txt"
diff -u "$work/expected.txt" "$work/package.txt" > "$work/expected.diff" \
  || fail "le paquet ne contient pas l'arbre attendu :"$'\n'"$(cat "$work/expected.diff")"

# The same tree as the installation of the build in /usr, staged.
DESTDIR="$work/installed" cmake --install "$build" --prefix /usr > "$work/install.log"
(cd "$work/installed" && find . ! -type d -printf '%y %P\n' | while read -r type path; do
   if [ "$type" = l ]; then echo "l $path -> $(readlink "$path")"; else echo "$type $path"; fi
 done) | sort > "$work/installed.txt"
diff -u "$work/installed.txt" "$work/package.txt" > "$work/installed.diff" \
  || fail "le paquet diffère de cmake --install --prefix /usr :"$'\n'"$(cat "$work/installed.diff")"

root="$work/root"
dpkg-deb -x "$deb" "$root"

# Debian's judges of the desktop entry, the metadata and the manual pages.
if [ "$VERBAL_HAVE_GUI" = ON ]; then
  desktop="$root/usr/share/applications/$VERBAL_APP_ID.desktop"
  metainfo="$root/usr/share/metainfo/$VERBAL_APP_ID.metainfo.xml"
  desktop-file-validate "$desktop" > "$work/desktop.txt" 2>&1 \
    || fail "desktop-file-validate : $(cat "$work/desktop.txt")"
  grep -qxF "Exec=\"/$bin/verbal\" %f" "$desktop" || fail "$desktop : Exec ne nomme pas /$bin/verbal"
  grep -qxF "Icon=$VERBAL_APP_ID" "$desktop" || fail "$desktop : Icon n'est pas $VERBAL_APP_ID"
  appstreamcli validate --no-net "$metainfo" > "$work/metainfo.txt" 2>&1 \
    || fail "appstreamcli validate : $(cat "$work/metainfo.txt")"
  grep -qF "<launchable type=\"desktop-id\">$VERBAL_APP_ID.desktop</launchable>" "$metainfo" \
    || fail "$metainfo : le lanceur n'est pas $VERBAL_APP_ID.desktop"
  grep -qF "<mediatype>application/x-verbaline-grille</mediatype>" "$metainfo" \
    || fail "$metainfo : type de fichier absent"
  # The screenshot is a help picture as the site publishes it: the same
  # path under the site as under the installation directory.
  image=$(sed -n 's:.*<image>\(.*\)</image>.*:\1:p' "$metainfo")
  case "$image" in
    "$VERBAL_HOMEPAGE"*) [ -f "$root/$lib/${image#"$VERBAL_HOMEPAGE"}" ] \
                           || fail "capture d'écran absente du paquet : $image" ;;
    *) fail "capture d'écran hors du site : $image" ;;
  esac
fi
for page in "$root"/usr/share/man/man6/*.6.gz "$root"/usr/share/man/fr/man6/*.6.gz; do
  man --warnings -l "$page" > /dev/null 2> "$work/man.txt" || fail "man $page a échoué"
  [ -s "$work/man.txt" ] && fail "man --warnings ${page#"$root"} : $(cat "$work/man.txt")"
done

# The packaged programs, from the throw-away root: a registry of their own
# names the root's installation directory.
printf '[HKEY_LOCAL_MACHINE\\Software\\Quillsoft\\VERBALINE 2000\\SetupInfo]\nDestinationPath=%s\n' \
  "$root/$lib" > "$work/registry.ini"
export VERBAL_REGISTRY="$work/registry.ini"
cd "$work/tmp"
if "$root/$bin/verbal-cli" generate --size 8 --quality 1 --seed 3 > "$work/grid.txt" 2> "$work/grid.err"; then
  rows=$(head -8 "$work/grid.txt" | grep -cxE '[A-Z#]{8}' || true)
  [ "$rows" = 8 ] || fail "verbal-cli du paquet : pas de grille 8 × 8"
  grep -qx "Verticalement" "$work/grid.txt" || fail "verbal-cli du paquet : pas de définitions"
  grep -q "ATTENTION PROBLEME" "$work/grid.txt" && fail "verbal-cli du paquet : définition introuvable"
else
  fail "verbal-cli du paquet a échoué : $(cat "$work/grid.err")"
fi

# Starts a packaged window program; it must still run after a while.
starts() {  # name, ready test, program and arguments...
  local name=$1 ready=$2 pid
  shift 2
  "$@" > "$work/$name.log" 2>&1 &
  pid=$!
  for _ in $(seq 1 100); do
    eval "$ready" && break
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.1
  done
  sleep 0.5
  if kill -0 "$pid" 2> /dev/null; then
    kill "$pid"
    wait "$pid" 2> /dev/null || true
  else
    wait "$pid" || true
    fail "$name du paquet s'est arrêté : $(cat "$work/$name.log")"
  fi
}
if [ "$VERBAL_HAVE_GUI" = ON ]; then
  starts verbal '[ -s "$XDG_CONFIG_HOME/verbal.ini" ]' "$root/$bin/verbal"
  grep -qaF "$root/$lib/Standard.lex" "$XDG_CONFIG_HOME/verbal.ini" 2> /dev/null \
    || fail "verbal du paquet n'a pas trouvé son dictionnaire"
  starts helpview '[ -s "$TMPDIR/vbln6842.tmp" ]' "$root/$lib/helpview" "$root/$lib/aide.htm"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures vérification(s) du paquet en échec ; dossier : $work" >&2
  exit 1
fi
echo "Paquet vérifié : $deb"
rm -rf "$work"
