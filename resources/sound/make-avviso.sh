#!/usr/bin/env bash
# Makes the reminder chime Avviso.mp3: two soft bell notes (E6, then C6),
# each a tone with its octave and a faint fifth above, fading out, with a
# little room around them. Needs Debian's sox and lame; the result is
# committed, so a build never runs this.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

bell() {  # bell OUT SECONDS HZ
    local out=$1 length=$2 hz=$3
    sox -n -r 44100 -c 1 "$work/f.wav" synth "$length" sine "$hz" fade l 0.004 "$length" "$length"
    sox -n -r 44100 -c 1 "$work/o.wav" synth "$length" sine "$(echo "$hz*2" | bc -l)" fade l 0.002 "$length" "$length"
    sox -n -r 44100 -c 1 "$work/q.wav" synth "$length" sine "$(echo "$hz*3" | bc -l)" fade l 0.002 "$length" "$length"
    sox -m -v 0.62 "$work/f.wav" -v 0.22 "$work/o.wav" -v 0.08 "$work/q.wav" "$out"
}

bell "$work/n1.wav" 1.0 1318.51
bell "$work/n2.wav" 1.5 1046.50
sox "$work/n2.wav" "$work/n2p.wav" pad 0.32
sox -m "$work/n1.wav" "$work/n2p.wav" "$work/mix.wav" reverb 25 50 60 gain -n -3 fade 0 1.9 0.2
lame --quiet -m m -b 96 --resample 44.1 "$work/mix.wav" Avviso.mp3
