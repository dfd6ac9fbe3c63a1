#!/usr/bin/env bash
# Synthesises the six event sounds installed beside the program:
#   zip.wav       computing a row: a soft tick, heard at every row the
#                 generator enters, so very short and quiet
#   tuttut.wav    grid ready: two rising notes
#   ding.wav      letter picker closed without a choice: a small bell
#   tiou.wav      erase: a falling glide
#   bip.wav       letter placed: a short soft bip
#   victoire.wav  grid complete: a short fanfare
#
# The WAV files are committed; run this script (sox is needed) only to change
# them. The output is byte-for-byte reproducible: no noise sources and no
# dither. Usage: tools/sounds/make_sounds.sh [output-dir]   (default: data/)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
out="${1:-$root/data}"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Every file: 44.1 kHz, mono, 16-bit PCM.
fmt=(-r 44100 -c 1 -b 16)

# note FILE SECONDS FREQ [FADE-OUT]: a soft tone made of the fundamental and
# two quieter harmonics, with a short attack and a fade to the end.
note() {
  local file="$1" len="$2" freq="$3" fadeout="${4:-$2}"
  sox -D -n -r 44100 -c 3 -b 16 "$work/tmp3.wav" \
    synth "$len" sine "$freq" sine "$(awk "BEGIN { print $freq * 2 }")" sine "$(awk "BEGIN { print $freq * 3 }")"
  sox -D "$work/tmp3.wav" "${fmt[@]}" "$file" remix 1v0.62,2v0.25,3v0.08 \
    fade q 0.006 "$len" "$fadeout"
}

silence() { sox -D -n "${fmt[@]}" "$1" trim 0 "$2"; }

# finish IN OUT PEAK-DB: level the peak, so that the loudness of the six
# files is chosen here and nowhere else.
finish() { sox -D "$1" "${fmt[@]}" "$2" gain -n "$3"; }

# zip: a 40 ms upward chirp, quiet.
sox -D -n "${fmt[@]}" "$work/zip.wav" synth 0.04 sine 1200/2400 fade q 0.003 0.04 0.03
finish "$work/zip.wav" "$out/zip.wav" -20

# bip: 90 ms at C6.
note "$work/bip.wav" 0.09 1046.5 0.06
finish "$work/bip.wav" "$out/bip.wav" -16

# tuttut: G5 then C6 with a short breath between them.
note "$work/t1.wav" 0.10 784 0.05
silence "$work/gap.wav" 0.045
note "$work/t2.wav" 0.15 1046.5 0.11
sox -D "$work/t1.wav" "$work/gap.wav" "$work/t2.wav" "$work/tuttut.wav"
finish "$work/tuttut.wav" "$out/tuttut.wav" -15

# ding: a bell, G6 with an inharmonic partial, dying away.
sox -D -n -r 44100 -c 2 -b 16 "$work/d2.wav" synth 0.42 sine 1568 sine 3920
sox -D "$work/d2.wav" "${fmt[@]}" "$work/ding.wav" remix 1v0.8,2v0.2 fade l 0.002 0.42 0.40
finish "$work/ding.wav" "$out/ding.wav" -16

# tiou: a glide falling from 1500 Hz to 450 Hz.
sox -D -n "${fmt[@]}" "$work/tiou.wav" synth 0.26 sine 1500/450 fade q 0.008 0.26 0.12
finish "$work/tiou.wav" "$out/tiou.wav" -16

# victoire: C5 E5 G5, then a held C major chord on C6, with a little room.
note "$work/v1.wav" 0.12 523.25 0.04
note "$work/v2.wav" 0.12 659.25 0.04
note "$work/v3.wav" 0.12 783.99 0.04
silence "$work/vg.wav" 0.03
note "$work/c1.wav" 0.85 1046.5 0.75
note "$work/c2.wav" 0.85 1318.5 0.75
note "$work/c3.wav" 0.85 1568.0 0.75
sox -D -m "$work/c1.wav" "$work/c2.wav" "$work/c3.wav" "$work/chord.wav"
sox -D "$work/v1.wav" "$work/vg.wav" "$work/v2.wav" "$work/vg.wav" "$work/v3.wav" "$work/vg.wav" \
  "$work/chord.wav" "$work/fanfare.wav"
sox -D "$work/fanfare.wav" "${fmt[@]}" "$work/room.wav" pad 0 0.2 reverb 25 50 60
sox -D "$work/room.wav" "${fmt[@]}" "$work/victoire.wav" fade q 0 -0 0.2
finish "$work/victoire.wav" "$out/victoire.wav" -13

for name in zip tuttut ding tiou bip victoire; do
  printf '%-13s %6.3f s\n' "$name.wav" "$(soxi -D "$out/$name.wav")"
done
