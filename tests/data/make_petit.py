#!/usr/bin/env python3
"""Builds the small test dictionary petit.txt from hunspell-fr's lemmas, then
Petit.lex and Petit.dex from petit.txt. Run from this folder:
    python3 make_petit.py [/usr/share/hunspell/fr.dic]
The tests rebuild Petit.lex and Petit.dex from petit.txt and compare bytes, so
the three files cannot drift apart."""
import hashlib, re, sys, unicodedata

OFFSET = 0x9B  # the engine's scramble offset

def fold(lemma):
    s = unicodedata.normalize('NFD', lemma.replace('œ', 'oe').replace('æ', 'ae'))
    return ''.join(c for c in s if not unicodedata.combining(c)).upper()

def build_list(dic):
    words = {}
    for line in open(dic, encoding='utf-8'):
        lemma = line.strip().split('/')[0].split(' ')[0].split('\t')[0]
        if not re.fullmatch(r"[a-zàâäéèêëîïôöùûüÿçœæ]+", lemma):
            continue
        w = fold(lemma)
        if 2 <= len(w) <= 15:
            words.setdefault(w, lemma)
    keep = []
    for w, lemma in words.items():
        h = int(hashlib.sha256(w.encode()).hexdigest()[:8], 16)
        if len(w) <= 5 or (len(w) <= 10 and h % 6 == 0) or h % 25 == 0:
            keep.append((w, lemma))
    keep.sort(key=lambda p: hashlib.sha256(p[0].encode()).hexdigest())
    with open('petit.txt', 'w', encoding='utf-8') as out:
        for w, lemma in keep:
            out.write(f'{w}:« {lemma} »\n')

def scramble(text):
    return bytes((b + OFFSET) % 256 for b in text.encode('cp1252'))

def build_files():
    entries = [l.rstrip('\n').split(':', 1) for l in open('petit.txt', encoding='utf-8')]
    lex = 'DICTIONNAIRE DE TEST\r\n' + ''.join(f'{w} \r\n' for w, _ in entries) + '-' * 40 + ' \r\n'
    letters = [(chr(c), f'Lettre {chr(c)}') for c in range(65, 91)]
    dex = 'DEFINITIONS DE TEST\r\n' + ''.join(f'{w}:{c}\r\n' for w, c in letters + entries)
    open('Petit.lex', 'wb').write(scramble(lex))
    open('Petit.dex', 'wb').write(scramble(dex))

if __name__ == '__main__':
    if len(sys.argv) > 1:
        build_list(sys.argv[1])
    build_files()
