#!/usr/bin/env bash
# Installs the build tree into a temporary prefix, as `cmake --install` does
# for a user, and checks the installed tree: one installation directory with
# the programs and all their data, the programs linked into bin, the
# registry file naming the installation, the desktop entry, the grid file
# type and the icons. Then the installed programs are run through their
# links, from elsewhere, and must find their data.
#
# Usage: install_test.sh BUILD_DIR WORK_DIR HAVE_GUI(ON|OFF) APP_ID
set -euo pipefail
build=$1
work=$2
gui=$3
app_id=$4

failures=0
fail() {
  echo "ÉCHEC : $*" >&2
  failures=$((failures + 1))
}
check_file() { [ -f "$1" ] || fail "fichier absent : $1"; }
check_link() {  # link, expected target
  if [ ! -L "$1" ]; then
    fail "pas un lien symbolique : $1"
  elif [ "$(readlink "$1")" != "$2" ]; then
    fail "$1 mène à $(readlink "$1") au lieu de $2"
  fi
}
check_line() {  # file, exact line
  grep -qxF -- "$2" "$1" || fail "$1 : ligne absente : $2"
}

rm -rf "$work"
mkdir -p "$work/elsewhere" "$work/config"
# The test's own environment must not leak into the installation or into
# the programs it runs.
unset DESTDIR VERBAL_REGISTRY
export XDG_CONFIG_HOME="$work/config"
export QT_QPA_PLATFORM=offscreen

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" > "$work/install.log"
dir="$prefix/lib/verbal"

# The installation directory: programs and every data file.
programs=(verbal-cli)
[ "$gui" = ON ] && programs+=(verbal helpview)
for program in "${programs[@]}"; do
  [ -x "$dir/$program" ] || fail "programme absent : $dir/$program"
done
for file in Standard.lex Standard.dex bip.wav ding.wav tiou.wav tuttut.wav victoire.wav zip.wav \
            aide.htm defaut.htm enligne.htm NOTICE registry.ini \
            licences/MPL-2.0.txt licences/LGPL-2.1.txt licences/Apache-2.0.txt; do
  check_file "$dir/$file"
done
cmp -s "$build/out/Standard.lex" "$dir/Standard.lex" || fail "Standard.lex installé diffère"
# Every picture the pages show.
for page in aide.htm defaut.htm; do
  pictures=$(grep -o '<img [^>]*src="[^"]*"' "$dir/$page" | sed 's/.*src="//; s/"$//')
  [ -n "$pictures" ] || fail "$page : aucune image"
  for picture in $pictures; do check_file "$dir/$picture"; done
done

# The programs the user starts are in bin, as relative links; helpview is
# started by verbal only.
check_link "$prefix/bin/verbal-cli" "../lib/verbal/verbal-cli"
if [ "$gui" = ON ]; then
  check_link "$prefix/bin/verbal" "../lib/verbal/verbal"
fi
[ -e "$prefix/bin/helpview" ] && fail "helpview ne doit pas être dans bin"

# The registry names the installation directory.
check_line "$dir/registry.ini" '[HKEY_LOCAL_MACHINE\Software\Quillsoft\VERBALINE 2000\SetupInfo]'
check_line "$dir/registry.ini" "DestinationPath=$dir"

# The desktop: menu entry, grid file type, icons.
if [ "$gui" = ON ]; then
  desktop="$prefix/share/applications/$app_id.desktop"
  check_file "$desktop"
  if [ -f "$desktop" ]; then
    check_line "$desktop" "[Desktop Entry]"
    check_line "$desktop" "Type=Application"
    check_line "$desktop" "Name=Verbaline 2000"
    check_line "$desktop" "Exec=\"$prefix/bin/verbal\" %f"
    check_line "$desktop" "MimeType=application/x-verbaline-grille;"
    check_line "$desktop" "Icon=$app_id"
    # The help is in the menu too, as the entry's second action.
    check_line "$desktop" "Actions=aide;"
    check_line "$desktop" "Exec=\"$prefix/lib/verbal/helpview\" \"$prefix/lib/verbal/aide.htm\""
  fi
  mime="$prefix/share/mime/packages/verbaline-grille.xml"
  check_file "$mime"
  if [ -f "$mime" ]; then
    grep -q '<mime-type type="application/x-verbaline-grille">' "$mime" || fail "$mime : type absent"
    grep -q '<glob pattern="\*.vbg"/>' "$mime" || fail "$mime : motif *.vbg absent"
  fi
  # The file type as the desktop's own tool reads it, in a copy: the
  # prefix's cache stays untouched.
  if command -v update-mime-database > /dev/null; then
    cp -r "$prefix/share/mime" "$work/mime"
    update-mime-database "$work/mime" 2> "$work/mime.err" || fail "update-mime-database : $(cat "$work/mime.err")"
    grep -qxF "50:application/x-verbaline-grille:*.vbg" "$work/mime/globs2" \
      || fail "la base MIME ne connaît pas *.vbg"
  fi
  check_file "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg"
  check_file "$prefix/share/metainfo/$app_id.metainfo.xml"
  check_file "$prefix/share/icons/hicolor/scalable/mimetypes/application-x-verbaline-grille.svg"
  # The caches of a temporary prefix are the user's business, not the
  # installation's.
  [ -e "$prefix/share/mime/mime.cache" ] && fail "la base MIME du préfixe de test a été mise à jour"
fi

# The installed command line, through its link, from another directory and
# without --dict, finds the dictionary of the installation.
cd "$work/elsewhere"
if "$prefix/bin/verbal-cli" generate --size 6 --quality 0 --seed 1 > "$work/grid.txt" 2> "$work/grid.err"; then
  rows=$(head -6 "$work/grid.txt" | grep -cxE '[A-Z#]{6}' || true)
  [ "$rows" = 6 ] || fail "verbal-cli installé : pas de grille 6 × 6"
  grep -qx "Horizontalement" "$work/grid.txt" || fail "verbal-cli installé : pas de définitions"
  grep -qx "Verticalement" "$work/grid.txt" || fail "verbal-cli installé : pas de définitions"
  grep -q "ATTENTION PROBLEME" "$work/grid.txt" && fail "verbal-cli installé : définition introuvable"
  "$build/out/verbal-cli" generate --size 6 --quality 0 --seed 1 > "$work/grid-build.txt"
  # The figures line holds a duration: compare the grid and its clues.
  cmp -s <(sed '$d' "$work/grid.txt") <(sed '$d' "$work/grid-build.txt") \
    || fail "verbal-cli installé : grille différente de celle du build"
else
  fail "verbal-cli installé a échoué : $(cat "$work/grid.err")"
fi

# The installed verbal, started through its link, takes its installation
# directory from the installed registry file: its first run writes settings
# that name the installed dictionary and help browser.
if [ "$gui" = ON ]; then
  "$prefix/bin/verbal" > "$work/verbal.log" 2>&1 &
  pid=$!
  for _ in $(seq 1 100); do
    [ -s "$XDG_CONFIG_HOME/verbal.ini" ] && break
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.1
  done
  sleep 0.2
  if kill -0 "$pid" 2> /dev/null; then
    kill "$pid"
    wait "$pid" 2> /dev/null || true
  else
    wait "$pid" || true
    fail "verbal installé s'est arrêté : $(cat "$work/verbal.log")"
  fi
  if [ -s "$XDG_CONFIG_HOME/verbal.ini" ]; then
    grep -qaF "$dir/Standard.lex" "$XDG_CONFIG_HOME/verbal.ini" \
      || fail "verbal.ini ne nomme pas le dictionnaire installé"
    grep -qaF "$dir/helpview" "$XDG_CONFIG_HOME/verbal.ini" \
      || fail "verbal.ini ne nomme pas le navigateur installé"
  else
    fail "verbal installé n'a pas écrit verbal.ini"
  fi
fi

# A staged installation (DESTDIR) puts every file under the stage, but names
# the final places: the registry, the menu entry and the relative links.
cd "$work"
DESTDIR="$work/stage" cmake --install "$build" --prefix /opt/verbaline > "$work/stage.log"
staged="$work/stage/opt/verbaline"
check_line "$staged/lib/verbal/registry.ini" "DestinationPath=/opt/verbaline/lib/verbal"
check_link "$staged/bin/verbal-cli" "../lib/verbal/verbal-cli"
if [ "$gui" = ON ]; then
  check_line "$staged/share/applications/$app_id.desktop" 'Exec="/opt/verbaline/bin/verbal" %f'
fi
[ -e /opt/verbaline ] && fail "DESTDIR ignoré : /opt/verbaline existe"
# Its programs look for their data where the registry says, not in the stage.
if "$staged/bin/verbal-cli" generate --size 6 --quality 0 --seed 1 > /dev/null 2> "$work/stage.err"; then
  fail "verbal-cli de l'installation préparée a trouvé ses données hors de /opt/verbaline"
elif ! grep -q "/opt/verbaline/lib/verbal/Standard.dex" "$work/stage.err"; then
  fail "verbal-cli de l'installation préparée ne cherche pas ses données où dit le registre"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures vérification(s) en échec ; journal : $work/install.log" >&2
  exit 1
fi
echo "Installation vérifiée : $prefix"
rm -rf "$work"
