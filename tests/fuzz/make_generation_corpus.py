#!/usr/bin/env python3
"""Writes the real-sized seeds of the generation fuzz target: subsets of the
shipped dictionary, kept in its own format (scrambled, one word and a blank a
line, its header and its closing lines), so that a fuzzed computation starts
from a dictionary that validates and reaches the row loop at once. Every
word of two to four letters stays (grids need them); a share of the longer
ones is kept, chosen by a hash so that the files do not change from one run
to the next. Run from the repository's root:
    python3 tests/fuzz/make_generation_corpus.py"""
import hashlib

OFFSET = 0x9B  # the engine's scramble offset
SOURCE = 'data/Standard.lex'
TARGET = 'tests/fuzz/corpus/generation/'
# file name -> one longer word in |share|
SUBSETS = {'standard-1-40.lex': 40, 'standard-1-12.lex': 12, 'standard-1-4.lex': 4,
           'standard-1-2.lex': 2}

def main():
    raw = open(SOURCE, 'rb').read()
    text = bytes((b - OFFSET) % 256 for b in raw)
    lines = text.split(b'\r\n')
    assert lines[-1] == b''
    header, words, closing = lines[0], lines[1:-3], lines[-3:-1]
    for name, share in SUBSETS.items():
        kept = [w for w in words
                if len(w.rstrip()) <= 4 or int(hashlib.sha256(w).hexdigest()[:8], 16) % share == 0]
        out = b'\r\n'.join([header] + kept + closing) + b'\r\n'
        open(TARGET + name, 'wb').write(bytes((b + OFFSET) % 256 for b in out))
        print(f'{name}: {len(kept)} words, {len(out)} bytes')

if __name__ == '__main__':
    main()
