#!/usr/bin/env bash
# Shows the program as a user meets it: runs verbal on a virtual X display
# (Xvfb) with a small window manager (openbox), drives it with xdotool through
# its windows, menus and dialogs, and takes a screenshot of each place.
# Settings live in a fresh home folder, so nothing of yours is read or changed.
# Usage: scripts/screenshots.sh [output-folder]     (default: build/screenshots)
# The pictures are numbered in the order they were taken; index.txt says what
# each one shows. A place that could not be reached gets a picture whose name
# ends in -ECHEC, and the script ends with status 1.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
shots="${1:-$root/build/screenshots}"

"$root/scripts/setup.sh" --screens
"$root/scripts/build.sh" "$root/build" > /dev/null
out="$root/build/out"

mkdir -p "$shots"
shots="$(cd "$shots" && pwd)"
rm -f "$shots"/[0-9][0-9]-*.png "$shots/index.txt"
work="$(mktemp -d)"
pids=()
our_display=""
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
  # Help browsers the program started, on this display only: one of yours
  # on your own display stays.
  for pid in $(pgrep -f "/helpview( |$)" 2> /dev/null || true); do
    [ -n "$our_display" ] || break
    if tr '\0' '\n' < "/proc/$pid/environ" 2> /dev/null | grep -qx "DISPLAY=$our_display"; then
      kill "$pid" 2> /dev/null || true
    fi
  done
  wait 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own, not one a desktop or another run is using.
display=91
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
our_display=":$display"
export DISPLAY="$our_display"
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdotool getdisplaygeometry > /dev/null 2>&1 && break; sleep 0.2; done
xdotool getdisplaygeometry > /dev/null 2>&1 \
  || { echo "L'écran virtuel ($DISPLAY) ne démarre pas :" >&2; cat "$work/xvfb.log" >&2; exit 1; }

# The user's world: a fresh home, French, no desktop browser.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" LANG=fr_FR.UTF-8
export XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb
unset VERBAL_REGISTRY QT_SCALE_FACTOR
mkdir -p "$HOME/Documents" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
openbox > "$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

number=0
failures=0
step="début"

# shot NAME WHAT: a picture of the whole screen once the windows have settled.
shot() {
  sleep "${SETTLE:-0.6}"
  number=$((number + 1))
  local file
  file="$(printf '%02d-%s.png' "$number" "$1")"
  import -window root "$shots/$file"
  printf '%s\t%s\n' "$file" "$2" >> "$shots/index.txt"
}

fail() {
  failures=$((failures + 1))
  echo "ÉCHEC à l'étape « $step » : $1" >&2
  shot "$step-ECHEC" "ÉCHEC : $1"
  # Back to a known state: whatever box is open is cancelled.
  xdotool key Escape 2> /dev/null || true
  sleep 0.3
  xdotool key Escape 2> /dev/null || true
}

# find_window REGEX [SECONDS]: prints the id of the visible window whose title
# matches, waiting for it to appear; fails when it does not.
# (The pattern is matched byte by byte: an accented letter is ".*".)
find_window() {
  timeout "${2:-20}" xdotool search --sync --onlyvisible --limit 1 --name "$1" 2> /dev/null
}

# wait_gone REGEX [SECONDS]: waits until no visible window matches.
wait_gone() {
  local end=$((SECONDS + ${2:-20}))
  while xdotool search --onlyvisible --name "$1" > /dev/null 2>&1; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.2
  done
}

keys() { xdotool key --delay 120 "$@"; sleep 0.3; }

# box NAME TITLE WHAT KEY...: the keys open a box whose title matches; it
# is photographed, then cancelled with Escape.
box() {
  local name="$1" title="$2" what="$3"
  shift 3
  step="$name"
  keys "$@"
  if find_window "$title" 10 > /dev/null; then
    shot "$name" "$what"
    keys Escape
  else fail "pas de fenêtre « $title »"; fi
}
# "Non" in a yes/no/cancel question: its buttons have no mnemonic; the
# focus is on "Oui", the next one is "Non".
answer_no() { keys Tab space; }
typed() { xdotool type --delay 40 "$1"; }

# A dialog's geometry in its own dialog units: the dialog's size in pixels
# against its size in units gives the scale, whatever the font.
# click_unit WINDOW UNITS_W UNITS_H X Y [now]   ("now": no pause after it)
click_unit() {
  local geo w h
  # Only the size: xdotool reports the place of a window that the window
  # manager framed with its frame's offset counted twice.
  geo="$(xdotool getwindowgeometry --shell "$1")"
  w="$(sed -n 's/^WIDTH=//p' <<< "$geo")"; h="$(sed -n 's/^HEIGHT=//p' <<< "$geo")"
  xdotool mousemove --window "$1" $(($4 * w / $2)) $(($5 * h / $3)) click 1
  [ "${6:-}" = now ] || sleep 0.3
}

# The grid's place on screen, from the red outline the view draws around it:
# sets GRID_X, GRID_Y (top left of cell 1,1) and CELL (a cell's side).
locate_grid() {
  local n="$1" box w x y
  import -window root "$work/where.png"
  box="$(convert "$work/where.png" -crop 1280x800+0+150 +repage -fill black -fuzz 8% \
    +opaque 'rgb(255,0,0)' -format '%@' info:)"
  w="${box%%x*}"; x="${box#*+}"; y="${x#*+}"; x="${x%%+*}"
  y=$((y + 150))
  # Outline 4 px wide around a 9 px band, then a frame one cell wider than
  # the cells (the numbers' row and column).
  CELL=$(((w - 4 - 18 - 1) / (n + 1)))
  GRID_X=$((x + 2 + 9 + CELL))
  GRID_Y=$((y + 2 + 9 + CELL))
  [ "$CELL" -ge 8 ]
}

cell_x() { echo $((GRID_X + ($1 - 1) * CELL + CELL / 2)); }
cell_y() { echo $((GRID_Y + ($1 - 1) * CELL + CELL / 2)); }

# wait_computed: a computation shows the stop box until it ends.
wait_computed() {
  sleep 1
  wait_gone '^ARRETER$' "${1:-120}"
}

# play_solution FILE.vbg: types the whole solution from the keyboard, word
# after word in the order Tab follows (across by rows, then down by columns,
# a single letter only where no longer word crosses it). A word already
# partly filled is typed from its first empty cell, as the cursor goes there.
play_solution() {
  "$out/verbal-cli" show "$1" > "$work/show.txt"
  local n
  n="$(sed -n '1s/^Grille de \([0-9]*\) x.*/\1/p' "$work/show.txt")"
  sed -n "3,$((n + 2))p" "$work/show.txt" | awk -v n="$n" '
    { row[NR] = substr($0, length($0) - n + 1) }
    function at(r, c) { return (r < 1 || r > n || c < 1 || c > n) ? "#" : substr(row[r], c, 1) }
    function len(dir, r, c,   k) {
      while (dir == "A" ? at(r, c - 1) != "#" : at(r - 1, c) != "#") { if (dir == "A") c--; else r-- }
      k = 0
      while (at(r, c) != "#") { k++; if (dir == "A") c++; else r++ }
      return k
    }
    END {
      count = 0
      for (d = 0; d < 2; d++) {
        dir = d == 0 ? "A" : "D"
        for (line = 1; line <= n; line++)
          for (p = 1; p <= n; p++) {
            r = dir == "A" ? line : p; c = dir == "A" ? p : line
            if (at(r, c) == "#") continue
            if (dir == "A" ? at(r, c - 1) != "#" : at(r - 1, c) != "#") continue
            l = len(dir, r, c)
            if (l == 1 && len(dir == "A" ? "D" : "A", r, c) > 1) continue
            words[++count] = dir " " r " " c " " l
          }
      }
      white = 0
      for (r = 1; r <= n; r++) for (c = 1; c <= n; c++) if (at(r, c) != "#") white++
      filled = 0
      for (i = 1; i <= count; i++) {
        split(words[i], w, " ")
        if (i > 1) print "Tab"
        first = -1
        for (k = 0; k < w[4]; k++) {
          r = w[2] + (w[1] == "D" ? k : 0); c = w[3] + (w[1] == "A" ? k : 0)
          if (!(r SUBSEP c in done)) { first = k; break }
        }
        if (first < 0) continue
        for (k = first; k < w[4]; k++) {
          r = w[2] + (w[1] == "D" ? k : 0); c = w[3] + (w[1] == "A" ? k : 0)
          print tolower(at(r, c))
          if (!(r SUBSEP c in done)) { done[r, c] = 1; filled++ }
          if (filled == white) exit
        }
      }
    }' > "$work/keys.txt"
  # The first key shows the cursor on the first word.
  keys Tab
  xargs -a "$work/keys.txt" xdotool key --delay 25
}

start_verbal() {
  (cd "$HOME/Documents" && exec "$@" > "$work/verbal.log" 2>&1) &
  verbal_pid=$!
  pids+=("$verbal_pid")
}

quit_verbal() {
  keys alt+f q
  local box
  for _ in 1 2 3 4; do
    box="$(find_window '^Verbaline 2000$' 3)" || break
    # "Enregistrer les modifications ?" is answered No for every grid.
    answer_no
  done
  wait_gone '^Verbaline 2000' 10 || kill "$verbal_pid" 2> /dev/null || true
}

# --- the first start ----------------------------------------------------------
step="demarrage"
start_verbal "$out/verbal"
main="$(find_window '^Verbaline 2000' 30)" || { echo "verbal ne démarre pas" >&2; cat "$work/verbal.log" >&2; exit 1; }
shot demarrage "La fenêtre au premier démarrage, avec sa grille d'accueil."

step="menu-aide"
keys alt+d
shot menu-aide "Le menu « Aide »."
keys Escape

box a-propos '^.* propos de Verbaline 2000$' "La boîte « À propos de Verbaline 2000 »." \
  alt+d Down Return

# --- a new grid ---------------------------------------------------------------
step="nouvelle-grille"
keys alt+g c
if dlg="$(find_window '^Nombre de cases et dictionnaire$')"; then
  click_unit "$dlg" 321 143 44 56   # 10 X 10
  shot nouvelle-grille "« Nouveau » : taille, dictionnaire et qualité de la grille."
  keys Return
  wait_computed || fail "le calcul ne finit pas"
  shot grille-calculee "Une grille de 10 × 10 calculée, son nom dans le titre, la liste des définitions à droite."
else fail "pas de boîte Nouveau"; fi

step="definitions"
if locate_grid 10; then
  xdotool mousemove "$(cell_x 3)" "$(cell_y 2)" click 3
  if find_window '^D.*finitions :$' 5 > /dev/null; then
    shot definitions "Clic droit sur une case : les définitions de sa ligne et de sa colonne."
  else fail "pas de bulle de définitions"; fi
  # Off the cells, onto the background: the box goes.
  xdotool mousemove $((GRID_X - CELL - 30)) "$(cell_y 5)"
  wait_gone '^D.*finitions :$' 5 || fail "la bulle reste ouverte"
  # On a line between two cells: no box at all.
  xdotool mousemove $((GRID_X + CELL)) "$(cell_y 2)" click 3
  ! find_window '^D.*finitions :$' 2 > /dev/null || fail "une bulle pour un trait de la grille"
  xdotool mousemove $((GRID_X - CELL - 30)) "$(cell_y 5)"

  step="lettre"
  xdotool mousemove "$(cell_x 1)" "$(cell_y 1)" click 1
  if find_window '^Placer une lettre' 5 > /dev/null; then
    shot lettre "Clic gauche sur une case : le clavier AZERTY pour placer une lettre."
    keys Escape
  else fail "pas de clavier de lettres"; fi
else fail "grille introuvable à l'écran"; fi

step="clavier"
keys Tab v e r
shot clavier "Jeu au clavier : le curseur, le mot courant et sa définition surlignée dans la liste."
keys ctrl+z ctrl+z ctrl+z

step="menu-fichier"
keys alt+f
shot menu-fichier "Le menu « Fichier » d'une grille."
keys Escape

step="menu-grille"
keys alt+g
shot menu-grille "Le menu « Grille »."
keys Escape

box solution '^Solution$' \
  "« Grille > Solution » : compter les erreurs, les montrer ou voir la solution." alt+g s
box informations '^Informations sur la Grille.$' "« Grille > Informations »." alt+g i
box effacer '^Effa.*age de la grille$' "« Grille > Effacer » demande confirmation." alt+g e

step="preferences"
keys alt+a p
if prefs="$(find_window '^Pr.*f.*rences:$')"; then
  shot preferences "« Affichage > Préférences » : couleurs (pastilles), coin de la bulle, sons, navigateur."
  step="aide-navigateur"
  click_unit "$prefs" 442 302 381 117
  if find_window '^Aide$' 5 > /dev/null; then
    shot aide-navigateur "Le « ? » du navigateur html : ce que sont helpview et les autres navigateurs."
    keys Return
    wait_gone '^Aide$' 5 || fail "Entrée ne ferme pas l'aide"
  else fail "pas de boîte Aide"; fi
  step="chercher-navigateur"
  click_unit "$prefs" 442 302 409 117   # Parcourir, beside the browser
  if find_window '^Recherche du Navigateur HTML:$' 10 > /dev/null; then
    shot chercher-navigateur "« Parcourir » du navigateur : la boîte de fichiers, « Exécutables (*) »."
    keys Escape
  else fail "pas de boîte pour chercher le navigateur"; fi
  keys Escape
else fail "pas de préférences"; fi

step="enregistrer-sous"
keys alt+f r
if find_window '^Enregistrer sous$' 10 > /dev/null; then
  shot enregistrer-sous "« Fichier > Enregistrer sous… » : la boîte de fichiers, en français."
  typed "$HOME/Documents/partie1.vbg"
  keys Return
  sleep 1
else fail "pas de boîte Enregistrer sous"; fi
[ -f "$HOME/Documents/partie1.vbg" ] || fail "la grille n'a pas été enregistrée"

step="export-pdf"
keys alt+f p
if find_window '^Mise en page$' 5 > /dev/null; then
  shot mise-en-page "« Exporter en PDF… » : la mise en page d'abord."
  keys Return
  if find_window '^Exporter en PDF$' 10 > /dev/null; then
    shot export-pdf "Puis la boîte de fichiers de l'export PDF."
    typed "$HOME/Documents/partie1.pdf"
    keys Return
    sleep 1
    if [ -f "$HOME/Documents/partie1.pdf" ] && command -v pdftoppm > /dev/null; then
      number=$((number + 1))
      pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$HOME/Documents/partie1.pdf" \
        "$shots/$(printf '%02d' "$number")-page-pdf"
      printf '%s\t%s\n' "$(printf '%02d' "$number")-page-pdf.png" \
        "La première page du PDF exporté." >> "$shots/index.txt"
    fi
  else fail "pas de boîte de fichiers pour le PDF"; fi
else fail "pas de mise en page"; fi

box export-ipuz '^Exporter au format ipuz$' \
  "« Exporter au format ipuz… » : la boîte de fichiers." alt+f u

step="apercu"
keys alt+f a
if find_window '^Mise en page$' 5 > /dev/null; then keys Return; fi
if find_window '^Aper.*u avant impression$' 10 > /dev/null; then
  shot apercu "« Aperçu avant impression »."
  keys Escape
else fail "pas d'aperçu"; fi

step="imprimer"
keys ctrl+p
if find_window '^Mise en page$' 5 > /dev/null; then keys Return; fi
if find_window '^Imprimer' 10 > /dev/null; then
  shot imprimer "« Imprimer… » : la boîte d'impression."
  keys Escape
else fail "pas de boîte d'impression"; fi

step="ouvrir"
# A copy opens in a window of its own, where play starts afresh.
cp "$HOME/Documents/partie1.vbg" "$HOME/Documents/partie2.vbg"
keys ctrl+o
if find_window '^Ouvrir$' 10 > /dev/null; then
  shot ouvrir "« Ouvrir… » : la boîte de fichiers."
  typed "$HOME/Documents/partie2.vbg"
  keys Return
else fail "pas de boîte Ouvrir"; fi

step="victoire"
if find_window '^Verbaline 2000 - \[partie2.vbg\]$' 10 > /dev/null; then
  play_solution "$HOME/Documents/partie2.vbg"
  if find_window '^Victoire$' 10 > /dev/null; then
    shot victoire "La grille remplie au clavier : la victoire."
    keys Return
  else fail "pas de victoire"; fi
else fail "la grille enregistrée ne s'est pas ouverte"; fi

# --- two grids, the window menu, the help ------------------------------------
step="deuxieme-grille"
keys ctrl+n
keys alt+g c
if find_window '^Nombre de cases et dictionnaire$' > /dev/null; then
  keys Return
  wait_computed || fail "le calcul ne finit pas"
fi
keys alt+n m
shot mosaique "Deux grilles en mosaïque : le titre nomme la grille active, une fois."
keys alt+n
shot menu-fenetre "Le menu « Fenêtre » liste les grilles, l'active cochée."
keys Escape

step="fermer"
keys alt+f f
if find_window '^Verbaline 2000$' 5 > /dev/null; then answer_no; fi
shot fermer "Une grille fermée : le titre nomme celle qui reste active."

step="aide-html"
keys F1
if help="$(find_window 'Verbaline 2000' 15 > /dev/null; xdotool search --onlyvisible --classname helpview 2> /dev/null | head -1)" \
   && [ -n "$help" ]; then
  shot aide-html "F1 : l'aide html dans helpview."
  xdotool windowclose "$help" 2> /dev/null || xdotool key --window "$help" alt+F4
  sleep 0.5
else fail "pas d'aide html"; fi

step="site"
keys alt+f c
sleep 2
if help="$(xdotool search --onlyvisible --classname helpview 2> /dev/null | head -1)" && [ -n "$help" ]; then
  shot site "« Connexion au site » : la page livrée avec l'aide dit où vit le projet."
  xdotool windowclose "$help" 2> /dev/null || true
  sleep 0.5
else fail "pas de page du site"; fi

step="navigateur-absent"
keys alt+a p
if prefs="$(find_window '^Pr.*f.*rences:$')"; then
  click_unit "$prefs" 442 302 264 117   # the browser's path
  keys ctrl+a
  typed "/usr/bin/navigateur-absent"
  click_unit "$prefs" 442 302 42 280    # Appliquer
  keys F1
  if find_window '^Navigateur html$' 10 > /dev/null; then
    shot navigateur-absent "F1 quand le navigateur choisi n'existe pas : que faire, sous Linux."
    keys Escape
  else fail "pas de boîte Navigateur html"; fi
else fail "pas de préférences"; fi

# --- a computation and its stop box ------------------------------------------
# Even a 20 x 20 of the best quality takes a tenth of a second, so the
# program is paused the moment its stop box is on screen, for the picture.
# new_grid_20: a new window, "Calculer", 20 x 20 of the best quality, OK.
new_grid_20() {
  keys ctrl+n
  keys alt+g c
  dlg="$(find_window '^Nombre de cases et dictionnaire$')" || return 1
  click_unit "$dlg" 321 143 110 72   # 20 X 20
  click_unit "$dlg" 321 143 240 87   # quality 3
  if [ -n "${1:-}" ]; then
    click_unit "$dlg" 321 143 125 109  # Parcourir
    if find_window '^Changer de dictionnaire$' 10 > /dev/null; then
      shot changer-dictionnaire "« Parcourir » : choisir un autre dictionnaire."
      keys Escape
    else fail "pas de boîte pour changer de dictionnaire"; fi
    shot nouvelle-grille-20 "« Nouveau » : 20 × 20, très bonne qualité."
  fi
  click_unit "$dlg" 321 143 201 115 now  # OK
}

step="arreter"
seen=""
for attempt in 1 2 3; do
  new_grid_20 $([ "$attempt" = 1 ] && echo first) || { fail "pas de boîte Nouveau"; break; }
  end=$((SECONDS + 10))
  while [ $SECONDS -lt $end ]; do
    if xdotool search --onlyvisible --name '^ARRETER$' > /dev/null 2>&1; then
      kill -STOP "$verbal_pid"
      seen=1
      break
    fi
  done
  if [ -n "$seen" ]; then
    SETTLE=0.3 shot arreter "Pendant le calcul : la boîte ARRETER, au-dessus de la fenêtre de la grille."
    kill -CONT "$verbal_pid"
  fi
  wait_computed || fail "le calcul ne finit pas"
  [ -n "$seen" ] && break
done
[ -n "$seen" ] || fail "la boîte ARRETER n'a pas été vue"
shot grille-20 "La grille de 20 × 20 : la fenêtre s'est agrandie pour la montrer entière."

step="quitter"
keys alt+f q
if find_window '^Verbaline 2000$' 5 > /dev/null && sleep 0.5; then
  shot quitter "Quitter avec des grilles non enregistrées : la question, en français."
fi
for _ in 1 2 3 4; do
  xdotool search --onlyvisible --name '^Verbaline 2000$' > /dev/null 2>&1 || break
  sleep 0.3
  # Answered "Non" for every grid.
  answer_no
  sleep 0.5
done
wait_gone '^Verbaline 2000' 10 || kill "$verbal_pid" 2> /dev/null || true

# --- places a user meets only when something is wrong ------------------------
step="dossier-absent"
printf '[HKEY_LOCAL_MACHINE\\Software\\Quillsoft\\VERBALINE 2000\\SetupInfo]\nDestinationPath=%s\n' \
  "$work/nulle-part" > "$work/registry.ini"
VERBAL_REGISTRY="$work/registry.ini" start_verbal "$out/verbal"
if find_window '^Verbaline 2000' 20 > /dev/null; then
  shot dossier-absent "Le dossier d'installation inscrit n'existe pas : le message, puis le dossier du programme."
fi
keys Return
sleep 1
keys Return
quit_verbal

step="dossier-copie"
cp -r "$out" "$work/copie"
start_verbal "$work/copie/verbal"
if find_window '^Verbaline 2000' 20 > /dev/null; then
  shot dossier-copie "Un dossier de programme copié ailleurs : il prend ses propres fichiers et le dit."
fi
keys Return
sleep 1
quit_verbal

step="echelle-1.5"
QT_SCALE_FACTOR=1.5 start_verbal "$out/verbal"
if find_window '^Verbaline 2000' 20 > /dev/null; then
  keys alt+g c
  if find_window '^Nombre de cases et dictionnaire$' > /dev/null; then
    shot nouvelle-grille-1.5 "« Nouveau » agrandi 1,5 fois : aucun texte coupé."
    keys Return
    wait_computed || fail "le calcul ne finit pas"
  fi
  box informations-1.5 '^Informations sur la Grille.$' "« Informations » agrandi 1,5 fois." alt+g i
  box preferences-1.5 '^Pr.*f.*rences:$' "Les préférences agrandies 1,5 fois." alt+a p
fi
quit_verbal

echo "$(wc -l < "$shots/index.txt") images dans $shots (voir index.txt)."
if [ "$failures" -gt 0 ]; then
  echo "$failures étape(s) n'ont pas abouti : voir les images *-ECHEC.png." >&2
  exit 1
fi
