#!/usr/bin/env bash
# Synthesises the program's sounds with sox into the folder given as $1:
#   00.mp3  a quiet background loop (16 s; every tone and the slow swell repeat
#           a whole number of times in it, and both ends fade to silence, so it
#           loops without a click)
#   01.wav  the start-up chime (a rising A major arpeggio)
#   02.wav  the click of the settings button and of opening or closing a page
#   03.wav  the click of the web link
#   04.wav  the tick of buttons, check boxes and option buttons
# sox runs in its repeatable mode (-R), so the same sox gives the same files.
set -euo pipefail

out="${1:?usage: make_sounds.sh <output folder>}"
sox="${SOX:-sox}"
mkdir -p "$out"
work="$(mktemp -d "${TMPDIR:-/tmp}/zr770-sounds.XXXXXX")"
trap 'rm -rf "$work"' EXIT

rate=44100
synth() { "$sox" -R -n -r "$rate" -b 16 -c 1 "$@"; }

# Background: a soft just-tuned A major pad (all tones multiples of 5 Hz, so
# the waveform repeats every 0.2 s) with a 4 s swell, 22 dB below full scale.
synth "$work/pad.wav" synth 16 sine 110 sine 165 sine 220 sine 275 sine 330 \
    remix - tremolo 0.25 40 fade t 0.5 16 0.5 gain -n -22
"$sox" -R "$work/pad.wav" -c 2 -C 96 "$out/00.mp3"

# Start-up: four bell-like notes 0.12 s apart, each dying away.
notes=(440 550 660 880)
parts=()
for i in "${!notes[@]}"; do
    delay="$(printf '0.%02d' $((i * 12)))"
    synth "$work/note$i.wav" synth 1.2 sine "${notes[$i]}" sine "$((notes[$i] * 2))" \
        remix 1v0.8,2v0.2 fade q 0.005 1.2 1.15 pad "$delay" 0
    parts+=("$work/note$i.wav")
done
"$sox" -R -m "${parts[@]}" -b 16 "$work/chime.wav"
"$sox" -R "$work/chime.wav" -b 16 "$out/01.wav" gain -n -6

# Clicks: short, falling or plain tones with fast fades, so they never pop.
synth "$out/02.wav" synth 0.08 sine 900:300 fade q 0.002 0.08 0.07 gain -n -9
synth "$work/blip1.wav" synth 0.045 sine 1320 fade q 0.002 0.045 0.03
synth "$work/blip2.wav" synth 0.06 sine 1760 fade q 0.002 0.06 0.045
"$sox" -R "$work/blip1.wav" "$work/blip2.wav" -b 16 "$out/03.wav" gain -n -10
synth "$out/04.wav" synth 0.025 sine 2400 fade q 0.001 0.025 0.02 gain -n -12
