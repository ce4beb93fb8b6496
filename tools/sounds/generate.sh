#!/usr/bin/env bash
# Makes every sound file of the app from nothing but synthesis (sox), so the
# sounds can be rebuilt, changed and reviewed like code. No samples are used.
#
#   tools/sounds/generate.sh [OUTPUT_DIR]      (default: assets/sounds)
#
# Ring sounds: 44.1 kHz mono MP3 at 96 kbit/s, 12-24 s, brought to the same
# integrated loudness (TARGET_LUFS) and faded to silence at both ends, so a
# loop restarts without a click. Effects: short MP3s and the AIFF mute probe.
# Needs sox and ffmpeg (with libmp3lame), both Debian packages.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
out=${1:-$repo/assets/sounds}
mkdir -p "$out"
work=$(mktemp -d /tmp/tolvek-sounds.XXXXXX)
trap 'rm -rf "$work"' EXIT

RATE=44100
TARGET_LUFS=-16
BITRATE=96k
SOX=(sox -D -R -V1) # -R: the same "random" noise on every run


tmp() { mktemp -p "$work" XXXXXXXX.wav; }
calc() { awk "BEGIN { printf \"%.6f\", $* }"; }

# Note name ("A4", "C#5", "Bb3") to frequency in Hz, equal temperament.
freq() {
    local letter=${1:0:1} rest=${1:1} acc=0 base
    case $rest in
        \#*) acc=1; rest=${rest:1} ;;
        b*) acc=-1; rest=${rest:1} ;;
    esac
    case $letter in
        C) base=0 ;; D) base=2 ;; E) base=4 ;; F) base=5 ;; G) base=7 ;; A) base=9 ;; B) base=11 ;;
    esac
    calc "440 * 2 ^ (($(( (rest + 1) * 12 + base + acc )) - 69) / 12)"
}

silence() { "${SOX[@]}" -n -r $RATE -c 1 "$2" trim 0 "$1"; }

# Instruments: each writes one note of frequency $1 lasting $2 seconds to $3.
bell() { # struck metal: slightly inharmonic partials, long decay
    "${SOX[@]}" -n -r $RATE -c 4 -t wav - synth "$2" sine "$1" sine "$(calc "$1*2")" \
        sine "$(calc "$1*3.01")" sine "$(calc "$1*4.2")" |
        "${SOX[@]}" - "$3" remix 1v0.5,2v0.25,3v0.12,4v0.06 fade l 0.003 "$2" "$(calc "$2-0.003")"
}
marimba() { # wooden bar: fundamental plus a quick fourth partial
    "${SOX[@]}" -n -r $RATE -c 2 -t wav - synth "$2" sine "$1" sine "$(calc "$1*4")" |
        "${SOX[@]}" - "$3" remix 1v0.6,2v0.15 fade l 0.002 "$2" "$(calc "$2-0.002")"
}
pluck() { "${SOX[@]}" -n -r $RATE -c 1 "$3" synth "$2" pluck "$1" gain -3; }
softsquare() { # a rounded chip-tune beep
    "${SOX[@]}" -n -r $RATE -c 1 "$3" synth "$2" square "$1" lowpass 2500 gain -12 \
        fade h 0.005 "$2" "$(calc "$2*0.4")"
}
flute() { # breathy sine with a slow attack
    "${SOX[@]}" -n -r $RATE -c 2 -t wav - synth "$2" sine "$1" pinknoise |
        "${SOX[@]}" - "$3" remix 1v0.5,2v0.02 tremolo 5 15 fade q "$(calc "$2*0.2")" "$2" "$(calc "$2*0.4")"
}
glass() { # high sine with shimmer
    "${SOX[@]}" -n -r $RATE -c 2 -t wav - synth "$2" sine "$1" sine "$(calc "$1*2.5")" |
        "${SOX[@]}" - "$3" remix 1v0.5,2v0.1 tremolo 7 20 fade l 0.01 "$2" "$(calc "$2-0.01")"
}

# A voice: INSTRUMENT BPM RING_BEATS "NOTE:BEATS NOTE+NOTE:BEATS R:BEATS ..." OUT
# Each note starts where the previous one's beats end and rings RING_BEATS
# (at least its own length) so notes overlap like real struck sounds.
voice() {
    local inst=$1 bpm=$2 ring=$3 tokens=$4 dst=$5 t=0 beat inputs=() tok notes beats dur ring_s f
    beat=$(calc "60 / $bpm")
    for tok in $tokens; do
        notes=${tok%%:*}
        beats=${tok##*:}
        dur=$(calc "$beats * $beat")
        if [ "$notes" != R ]; then
            ring_s=$(calc "($ring > $beats ? $ring : $beats) * $beat")
            for f in ${notes//+/ }; do
                local note
                note=$(tmp)
                $inst "$(freq "$f")" "$ring_s" "$note"
                "${SOX[@]}" "$note" "$note.pad.wav" pad "$t"
                inputs+=(-v 1 "$note.pad.wav")
            done
        fi
        t=$(calc "$t + $dur")
    done
    local total
    total=$(calc "$t")
    silence "$total" "$dst.len.wav"
    "${SOX[@]}" -m -v 1 "$dst.len.wav" "${inputs[@]}" "$dst" trim 0 "$total"
}

# A sustained chord: WAVE "NOTE+NOTE+..." SECONDS OUT (lowpassed, slow swell)
chord() {
    local wave=$1 notes=(${2//+/ }) dur=$3 dst=$4 args=() remix="" i=1
    for f in "${notes[@]}"; do
        args+=("$wave" "$(freq "$f")")
        remix+="${i}v$(calc "0.5 / ${#notes[@]}"),"
        i=$((i + 1))
    done
    "${SOX[@]}" -n -r $RATE -c ${#notes[@]} -t wav - synth "$dur" "${args[@]}" |
        "${SOX[@]}" - "$dst" remix "${remix%,}" lowpass 900 fade q "$(calc "$dur*0.3")" "$dur" "$(calc "$dur*0.3")"
}

# Chords one after another: WAVE SECONDS_EACH "CHORD CHORD ..." OUT
pad() {
    local parts=() c
    for c in $3; do
        local p
        p=$(tmp)
        chord "$1" "$c" "$2" "$p"
        parts+=("$p")
    done
    "${SOX[@]}" "${parts[@]}" "$4"
}

# Mixes layers given as "GAIN_DB FILE" pairs into $1, trimmed to the first layer's length.
mix() {
    local dst=$1 len args=()
    shift
    len=$(soxi -D "$2")
    while [ $# -gt 0 ]; do
        args+=(-v "$(calc "10 ^ ($1 / 20)")" "$2")
        shift 2
    done
    "${SOX[@]}" -m "${args[@]}" "$dst" trim 0 "$len"
}

# Integrated loudness of a file in LUFS (EBU R128, ffmpeg's ebur128 filter).
lufs() {
    ffmpeg -hide_banner -nostats -i "$1" -af ebur128 -f null - 2>&1 |
        awk '/Integrated loudness/ { on = 1 } on && /I:/ { print $2; exit }'
}

encode_mp3() {
    ffmpeg -hide_banner -loglevel error -y -i "$1" -ar $RATE -ac 1 -c:a libmp3lame -b:a $BITRATE \
        -map_metadata -1 -fflags +bitexact -flags:a +bitexact "$2"
}

# Finishes a ring sound: edge fades for a click-free loop, a gentle compressor
# that tames the peaks of struck sounds, then gain (with a limiter) until the
# encoded MP3 sits within 0.2 LU of the target.
finish_ring() {
    local src=$1 name=$2 shaped gained gain measured i
    shaped=$(tmp)
    "${SOX[@]}" "$src" "$shaped" norm -1 compand 0.005,0.15 -70,-70,-24,-24,0,-12 0 -90 0.005 \
        fade q 0.02 "$(soxi -D "$src")" 0.4
    gain=$(calc "$TARGET_LUFS - ($(lufs "$shaped"))")
    gained=$(tmp)
    for i in 1 2 3 4; do
        "${SOX[@]}" "$shaped" "$gained" gain -l "$gain"
        encode_mp3 "$gained" "$out/$name.mp3"
        measured=$(lufs "$out/$name.mp3")
        awk -v m="$measured" -v t=$TARGET_LUFS 'BEGIN { exit !(m - t < 0.2 && t - m < 0.2) }' && break
        gain=$(calc "$gain + $TARGET_LUFS - ($measured)")
    done
    echo "made $name.mp3 ($measured LUFS)"
}

finish_effect() { # effects: peak-normalised, short fades
    local src=$1 name=$2 peak=${3:--3} norm
    norm=$(tmp)
    "${SOX[@]}" "$src" "$norm" fade q 0.005 "$(soxi -D "$src")" 0.05 norm "$peak"
    encode_mp3 "$norm" "$out/$name.mp3"
    echo "made $name.mp3"
}

with_reverb() { "${SOX[@]}" "$1" "$2" reverb "${3:-50}" 50 80 remix -; }

# ---------------------------------------------------------------- ring sounds

airship() { # a slow, warm waltz over drifting chords
    local m p a
    m=$(tmp); p=$(tmp); a=$(tmp)
    voice flute 96 1 "G4:1 C5:1 E5:1 D5:2 C5:1 A4:1 C5:1 F5:1 E5:3 \
        G4:1 B4:1 D5:1 F5:2 E5:1 D5:1 C5:1 B4:1 C5:3 R:3" "$m"
    pad sawtooth "$(calc "60/96*6")" "C3+G3+E4 F3+C4+A4 G3+D4+B4 C3+G3+E4" "$p"
    mix "$a" 0 "$m" -4 "$p"
    with_reverb "$a" "$a.r.wav" 60
    finish_ring "$a.r.wav" "Airship"
}

alien_metron() { # a whole-tone arpeggio machine with a phasing shimmer
    local m b a
    m=$(tmp); b=$(tmp); a=$(tmp)
    local bar="C5:0.5 D5:0.5 E5:0.5 F#5:0.5 G#5:0.5 A#5:0.5 G#5:0.5 E5:0.5"
    voice softsquare 132 0.6 "$bar $bar D5:0.5 E5:0.5 F#5:0.5 G#5:0.5 A#5:0.5 C6:0.5 A#5:0.5 F#5:0.5 \
        $bar $bar C6:1 G#5:1 E5:1 R:5" "$m"
    voice marimba 132 2 "C3:4 D3:4 E3:4 C3:4 D3:4 R:4" "$b"
    mix "$a" 0 "$m" -2 "$b"
    "${SOX[@]}" "$a" "$a.p.wav" phaser 0.8 0.74 3 0.4 0.5 -t echo 0.8 0.7 340 0.25
    finish_ring "$a.p.wav" "Alien Metron"
}

astronaut() { # bright bells in the pentatonic, like a slow lift-off
    local m p a
    m=$(tmp); p=$(tmp); a=$(tmp)
    voice bell 80 3 "C5:1 D5:1 E5:1 G5:1 A5:2 G5:1 E5:1 D5:1 E5:1 G5:1 C6:3 \
        A5:1 G5:1 E5:1 D5:1 C5:2 D5:1 E5:1 G5:1 E5:1 D5:1 C5:3 R:2" "$m"
    pad triangle "$(calc "60/80*6")" "C3+G3 A2+E3 F2+C3 G2+D3 C3+G3" "$p"
    mix "$a" 0 "$m" -6 "$p"
    with_reverb "$a" "$a.r.wav" 70
    finish_ring "$a.r.wav" "Astronaut"
}

calculator() { # a cheerful digital beep pattern that climbs
    local m a
    m=$(tmp); a=$(tmp)
    local b1="C6:0.5 R:0.5 C6:0.5 R:0.5 C6:0.5 R:1.5" b2="E6:0.5 R:0.5 E6:0.5 R:0.5 E6:0.5 R:1.5"
    local b3="G6:0.5 R:0.5 G6:0.5 R:0.5 G6:0.5 R:1.5"
    voice softsquare 150 0.45 "$b1 $b1 $b2 $b2 $b3 $b3 C6:0.5 E6:0.5 G6:0.5 C7:1 R:5.5" "$m"
    with_reverb "$m" "$a" 20
    finish_ring "$a" "Calculator"
}

falling_stone() { # marimba figures tumbling down and echoing
    local m b a
    m=$(tmp); b=$(tmp); a=$(tmp)
    voice marimba 120 1 "G6:0.5 E6:0.5 D6:0.5 B5:0.5 A5:0.5 G5:0.5 E5:0.5 D5:0.5 B4:1 R:1 \
        A6:0.5 F6:0.5 E6:0.5 C6:0.5 B5:0.5 A5:0.5 F5:0.5 E5:0.5 C5:1 R:1 \
        G6:0.5 E6:0.5 D6:0.5 B5:0.5 A5:0.5 G5:0.5 E5:0.5 D5:0.5 G4:2 R:4" "$m"
    voice pluck 120 2 "G2:4 F2:4 G2:4 C2:4" "$b"
    mix "$a" 0 "$m" -5 "$b"
    "${SOX[@]}" "$a" "$a.e.wav" echo 0.8 0.6 250 0.3
    finish_ring "$a.e.wav" "Falling Stone"
}

mineral() { # glassy crystal notes in a wide space
    local m a
    m=$(tmp); a=$(tmp)
    voice glass 70 4 "E6:1 B5:1 F#6:2 E6:1 C#6:1 B5:2 A5:1 B5:1 E6:2 F#6:1 G#6:1 E6:4 \
        B5:1 C#6:1 E6:2 G#6:2 F#6:2 B5:4 R:2" "$m"
    with_reverb "$m" "$a" 90
    finish_ring "$a" "Mineral"
}

satellite() { # radio pings over a low hum, with a long echo
    local m d a
    m=$(tmp); d=$(tmp); a=$(tmp)
    voice bell 100 1 "A6:0.5 A6:0.5 R:1 E6:0.5 R:1.5 A6:0.5 A6:0.5 R:1 C#7:0.5 R:1.5 \
        A6:0.5 A6:0.5 R:1 E6:0.5 R:0.5 F#6:0.5 E6:0.5 C#6:2 R:4" "$m"
    chord sine "A2+E3" "$(soxi -D "$m")" "$d"
    mix "$a" 0 "$m" -8 "$d"
    "${SOX[@]}" "$a" "$a.e.wav" echo 0.8 0.7 450 0.35 900 0.2
    finish_ring "$a.e.wav" "Satellite"
}

stars() { # a twinkling arpeggio above a soft pad
    local m p a
    m=$(tmp); p=$(tmp); a=$(tmp)
    local c="C6:0.5 G6:0.5 E6:0.5 G6:0.5" f="A5:0.5 F6:0.5 C6:0.5 F6:0.5" g="B5:0.5 G6:0.5 D6:0.5 G6:0.5"
    voice glass 110 1.5 "$c $c $f $f $g $g $c C6:2 $f $f $c $c $g $g C6:2 R:2" "$m"
    pad triangle "$(calc "60/110*4")" "C4+E4+G4 F3+A3+C4 G3+B3+D4 C4+E4+G4 F3+A3+C4 C4+E4+G4 G3+B3+D4 C4+E4+G4" "$p"
    mix "$a" 0 "$m" -3 "$p"
    with_reverb "$a" "$a.r.wav" 60
    finish_ring "$a.r.wav" "Stars"
}

milky_way() { # a slow swelling pad with a gentle tremolo and a soft tune
    local p m a
    p=$(tmp); m=$(tmp); a=$(tmp)
    pad sawtooth 4 "D3+A3+F4 Bb2+F3+D4 F3+C4+A4 C3+G3+E4 D3+A3+F4" "$p"
    voice flute 60 2 "A4:2 F4:1 G4:1 A4:3 R:1 D5:2 C5:1 A4:1 G4:3 R:1 A4:2 C5:2 D5:4" "$m"
    mix "$a" 0 "$p" -3 "$m"
    "${SOX[@]}" "$a" "$a.t.wav" tremolo 0.5 30 reverb 70 50 80 remix -
    finish_ring "$a.t.wav" "Milky Way"
}

time_tunnel() { # rising sweeps through a flanger, with a pulse underneath
    local s parts=() i a b
    a=$(tmp); b=$(tmp)
    for i in 1 2 3 4 5 6 7 8; do
        s=$(tmp)
        "${SOX[@]}" -n -r $RATE -c 1 "$s" synth 1.5 sine 220:880 gain -6 fade q 0.3 1.5 0.6
        parts+=("$s")
        s=$(tmp)
        silence 0.5 "$s"
        parts+=("$s")
    done
    "${SOX[@]}" "${parts[@]}" "$a" flanger 2 3 0 70 0.5 sine
    voice marimba 120 1 "A2:1 A2:1 A2:1 A2:1 C3:1 C3:1 C3:1 C3:1 D3:1 D3:1 D3:1 D3:1 E3:1 E3:1 E3:1 E3:1 \
        A2:1 A2:1 A2:1 A2:1 C3:1 C3:1 C3:1 C3:1 D3:1 D3:1 E3:1 E3:1 A2:4" "$b"
    mix "$a.m.wav" 0 "$a" -3 "$b"
    with_reverb "$a.m.wav" "$a.r.wav" 40
    finish_ring "$a.r.wav" "Time Tunnel"
}

time_machine() { # a ticking clock and chimes that climb a bar at a time
    local t c a
    t=$(tmp); c=$(tmp); a=$(tmp)
    voice marimba 120 0.1 "$(for _ in $(seq 1 36); do printf 'C7:0.5 G6:0.5 '; done)" "$t"
    voice bell 120 4 "C5:4 E5:4 G5:4 C6:4 B5:2 G5:2 E5:2 D5:2 C5:4 R:8" "$c"
    mix "$a" 0 "$c" -14 "$t"
    with_reverb "$a" "$a.r.wav" 50
    finish_ring "$a.r.wav" "Time Machine"
}

ufo() { # the wobbling theremin of old saucer films
    local up w m a
    up=$(tmp); w=$(tmp); m=$(tmp); a=$(tmp)
    # An up-sweep followed by itself reversed joins without a jump, so the
    # pair repeats into a smooth wobble.
    "${SOX[@]}" -n -r $RATE -c 1 "$up" synth 0.5 sine 560:880 gain -6
    "${SOX[@]}" "$up" "$up.down.wav" reverse
    "${SOX[@]}" $(for _ in $(seq 1 16); do printf '%s %s ' "$up" "$up.down.wav"; done) "$w" \
        tremolo 0.3 40 fade q 0.5 16 1.5
    voice pluck 90 2 "E2:2 E2:2 G2:2 A2:2 E2:2 E2:2 B1:2 E2:2 E2:2 G2:2 A2:2 B2:2" "$m"
    mix "$a" 0 "$w" -10 "$m"
    "${SOX[@]}" "$a" "$a.e.wav" echo 0.8 0.6 300 0.3 reverb 50 50 80 remix -
    finish_ring "$a.e.wav" "UFO"
}

unknown_creature() { # chirps and warbles answering each other
    local parts=() s a i bend_up bend_down
    a=$(tmp)
    for i in 1 2 3 4; do
        s=$(tmp)
        "${SOX[@]}" -n -r $RATE -c 1 "$s" synth 0.35 sine 1200 gain -6 bend 0,600,0.2 0.2,-900,0.15 fade h 0.02 0.35 0.1
        parts+=("$s")
        s=$(tmp)
        "${SOX[@]}" -n -r $RATE -c 1 "$s" synth 0.25 sine 1500 gain -6 bend 0,-500,0.25 fade h 0.02 0.25 0.1
        parts+=("$s")
        s=$(tmp)
        silence 0.6 "$s"
        parts+=("$s")
        s=$(tmp)
        "${SOX[@]}" -n -r $RATE -c 1 "$s" synth 0.8 triangle 300 gain -4 bend 0,500,0.4 0.4,-300,0.4 \
            tremolo 14 60 fade h 0.05 0.8 0.3
        parts+=("$s")
        s=$(tmp)
        silence 1.4 "$s"
        parts+=("$s")
    done
    "${SOX[@]}" "${parts[@]}" "$a" echo 0.8 0.5 180 0.3 reverb 60 50 80 remix -
    finish_ring "$a" "Unknown Creature"
}

wormhole() { # a deep pulse with a swirling filtered-noise wind and a bell motif
    local n p m a
    n=$(tmp); p=$(tmp); m=$(tmp); a=$(tmp)
    "${SOX[@]}" -n -r $RATE -c 1 "$n" synth 18 brownnoise gain -10 lowpass 600 phaser 0.8 0.74 4 0.5 0.3 -s \
        tremolo 0.25 70
    voice pluck 80 1 "D2:1 D2:1 D2:1 F2:1 D2:1 D2:1 D2:1 C2:1 D2:1 D2:1 D2:1 F2:1 D2:1 D2:1 A1:2 \
        D2:1 D2:1 D2:1 F2:1 D2:1 D2:1 D2:2" "$p"
    voice bell 80 3 "R:4 A5:1 F5:1 D5:2 R:4 A5:1 G5:1 E5:2 R:4 A5:1 F5:1 D5:4" "$m"
    mix "$a" 0 "$n" 0 "$p" -3 "$m"
    with_reverb "$a" "$a.r.wav" 60
    finish_ring "$a.r.wav" "Wormhole"
}

# --------------------------------------------------------------- effects

alarm_close() { # the closing jingle: a bright rising fanfare
    local m a
    m=$(tmp); a=$(tmp)
    voice bell 200 3 "C5:1 E5:1 G5:1 C6+E6:4" "$m"
    with_reverb "$m" "$a" 40
    finish_effect "$a" "Alarm Close"
}

button_click() {
    local c
    c=$(tmp)
    "${SOX[@]}" -n -r $RATE -c 1 "$c" synth 0.04 sine 1800 fade l 0.001 0.04 0.039 highpass 400
    finish_effect "$c" "button click" -6
}

wrong_answer() { # two falling buzzes
    local m
    m=$(tmp)
    "${SOX[@]}" -n -r $RATE -c 1 "$m.a.wav" synth 0.25 sawtooth 220 lowpass 1500 fade h 0.01 0.25 0.05
    "${SOX[@]}" -n -r $RATE -c 1 "$m.b.wav" synth 0.45 sawtooth 165 lowpass 1500 fade h 0.01 0.45 0.15
    silence 0.08 "$m.gap.wav"
    "${SOX[@]}" "$m.a.wav" "$m.gap.wav" "$m.b.wav" "$m"
    finish_effect "$m" "wrong answer"
}

tolvek_launch() { # rocket: a rumble and a rising roar
    local r
    r=$(tmp)
    "${SOX[@]}" -n -r $RATE -c 2 -t wav - synth 3 brownnoise synth 3 sine 80:400 |
        "${SOX[@]}" - "$r" remix 1v0.7,2v0.3 lowpass 1200 fade q 0.6 3 0.8 tremolo 12 20
    finish_effect "$r" "Tolvek Launch"
}

shutter() { # a camera shutter: two short filtered clicks
    local c
    c=$(tmp)
    "${SOX[@]}" -n -r $RATE -c 1 "$c.a.wav" synth 0.03 whitenoise bandpass 3000 1000h fade l 0.001 0.03 0.029
    silence 0.07 "$c.gap.wav"
    "${SOX[@]}" -n -r $RATE -c 1 "$c.b.wav" synth 0.05 whitenoise bandpass 2000 1000h fade l 0.001 0.05 0.049
    "${SOX[@]}" "$c.a.wav" "$c.gap.wav" "$c.b.wav" "$c"
    finish_effect "$c" "Alarm Smile Camera Shutter"
}

detection() { # the mute probe: 0.25 s of a very soft low tone (barely audible)
    "${SOX[@]}" -n -r $RATE -c 1 -b 16 --comment "" "$out/detection.aiff" synth 0.25 sine 200 gain -40 fade q 0.02 0.25 0.02
    echo "made detection.aiff"
}

only=${TOLVEK_SOUNDS_ONLY:-}
for f in airship alien_metron astronaut calculator falling_stone mineral satellite stars milky_way \
    time_tunnel time_machine ufo unknown_creature wormhole \
    alarm_close button_click wrong_answer tolvek_launch shutter detection; do
    if [ -z "$only" ] || [ "$only" = "$f" ]; then
        $f
    fi
done
