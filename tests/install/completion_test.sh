#!/usr/bin/env bash
# The bash completion of verbal-cli, driven as bash drives it: the words of
# the command line and the index of the word under the cursor.
# Usage: completion_test.sh COMPLETION_FILE WORK_DIR
set -euo pipefail
completion=$1
work=$2
rm -rf "$work"
mkdir -p "$work/grilles" "$work/dicos dossier"
cd "$work"
touch a.vbg B.VBG "c d.vbg" e.lex F.LEX notes.txt grilles/x.vbg "dicos dossier/y.lex" p.pdf
# shellcheck source=/dev/null
. "$completion"

failures=0
# expect "sorted|expected|candidates" WORD... CURSOR_WORD
expect() {
  local want=$1 got
  shift
  COMP_WORDS=(verbal-cli "$@")
  COMP_CWORD=$#
  COMPREPLY=()
  _verbal_cli || true
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd '|')
  if [ "$got" != "$want" ]; then
    echo "ÉCHEC : verbal-cli $*▮ donne « $got », attendu « $want »" >&2
    failures=$((failures + 1))
  fi
}

# Commands, then the options of generate that are not given yet.
expect "--help|export|generate|help|show" ""
expect "generate" g
expect "--count|--dict|--ipuz|--out|--pdf|--player|--quality|--seed|--size|--solution|--solution-foot|--svg|--timeout" generate ""
expect "--quality" generate --size 10 --q
expect "--count|--dict|--out|--seed|--timeout" generate --size 10 --quality 2 --pdf x.pdf --svg x.svg --ipuz x.ipuz --solution --solution-foot --player ""
expect "" bogus ""
expect "" --help ""
# The values an option takes.
expect "10|12|14|16|18|20|6|8" generate --size ""
expect "10|12|14|16|18" generate --size 1
expect "0|1|2|3" generate --quality ""
expect "" generate --seed ""
expect "" generate --timeout ""
# Files by extension, in either case, and the directories to reach them;
# names with blanks stay whole.
expect "F.LEX|dicos dossier|e.lex|grilles" generate --dict ""
expect "dicos dossier/y.lex" generate --dict 'dicos\ dossier/'
expect "dicos dossier/y.lex" generate --dict '"dicos dossier/'
expect "B.VBG|a.vbg|c d.vbg|dicos dossier|grilles" generate --out ""
expect "B.VBG|a.vbg|c d.vbg|dicos dossier|grilles" show ""
expect "grilles" show g
expect "grilles/x.vbg" show grilles/
# show takes one grid only.
expect "" show a.vbg ""
# export: one grid, then where to write it; a flag takes no value.
expect "B.VBG|a.vbg|c d.vbg|dicos dossier|grilles" export ""
expect "--ipuz|--pdf|--player|--solution|--solution-foot|--svg" export a.vbg ""
expect "dicos dossier|grilles|p.pdf" export a.vbg --pdf ""
expect "--ipuz|--pdf|--player|--solution-foot|--svg" export a.vbg --solution ""
expect "" generate --count ""

[ "$failures" -eq 0 ] || exit 1
echo "Complétion vérifiée."
rm -rf "$work"
