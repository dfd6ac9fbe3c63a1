#!/usr/bin/env bash
# Rebuilds data/Standard.lex, data/Standard.dex and data/Standard.stats.txt
# from the pinned Debian packages and the hand lists of tools/lexbuild/lists.
# The same inputs give the same bytes on every machine and in every locale.
# Usage: scripts/build-dictionary.sh [output-dir]   (default: data/)
set -euo pipefail
export LC_ALL=C
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/data}"
lock="$root/tools/lexbuild/inputs.lock"

packages=(hunspell-fr-classical mythes-fr tesseract-ocr-fra tesseract-ocr)
missing=()
for pkg in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$work" && combine_tessdata -u /usr/share/tesseract-ocr/5/tessdata/fra.traineddata fra. > /dev/null 2>&1 \
  && dawg2wordlist fra.lstm-unicharset fra.lstm-word-dawg fra.lstm-word-dawg.txt > /dev/null 2>&1)

fail=0
while read -r kind a b; do
  case "$kind" in
    package)
      have="$(dpkg-query -W -f='${Version}' "$a" 2>/dev/null || true)"
      if [ "$have" != "$b" ]; then
        echo "Paquet $a : version $have installée, $b attendue." >&2; fail=1
      fi ;;
    sha256)
      file="$b"; [ "${file#/}" = "$file" ] && file="$work/$file"
      have="$(sha256sum "$file" 2>/dev/null | cut -d' ' -f1 || true)"
      if [ "$have" != "$a" ]; then
        echo "Fichier $b : SHA-256 inattendu (${have:-illisible})." >&2; fail=1
      fi ;;
  esac
done < <(grep -v '^#' "$lock")
if [ $fail -ne 0 ]; then
  echo "Les entrées ne sont pas celles que tools/lexbuild/inputs.lock fixe : rien n'a été écrit." >&2
  exit 1
fi

"$root/scripts/build.sh" "$root/build" > /dev/null
mkdir -p "$out"
"$root/build/tools/lexbuild/lexbuild" \
  --aff /usr/share/hunspell/fr.aff --dic /usr/share/hunspell/fr.dic \
  --thesaurus /usr/share/mythes/thes_fr.dat --frequent "$work/fra.lstm-word-dawg.txt" \
  --lists "$root/tools/lexbuild/lists" --pins "$lock" --out "$out" "${@:2}"
