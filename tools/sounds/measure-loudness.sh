#!/usr/bin/env bash
# Prints the figures of every sound file: duration, sample rate, channels,
# bit rate, and for the ring sounds the integrated loudness (EBU R128, LUFS),
# its distance from the target, the true peak and the RMS level of the first
# and last 0.1 s in dBFS (a loop restarts without a click when both are low).
#
#   tools/sounds/measure-loudness.sh [SOUND_DIR]     (default: assets/sounds)
#
# Exits non-zero when a ring sound is more than 1 LU off the target or a file
# cannot be read. Needs ffmpeg (ffprobe) and sox.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
dir=${1:-$here/../../assets/sounds}
TARGET_LUFS=-16
RINGS=("Airship" "Alien Metron" "Astronaut" "Calculator" "Falling Stone" "Mineral" "Satellite"
    "Stars" "Milky Way" "Time Tunnel" "Time Machine" "UFO" "Unknown Creature" "Wormhole")

probe() { ffprobe -v error -select_streams a:0 -show_entries "$1" -of csv=p=0 "$2"; }
edge_db() { # RMS level in dBFS of the 0.1 s from a position in seconds
    sox "$1" -n trim "$2" 0.1 stats 2>&1 | awk '/RMS lev dB/ { print $4 }'
}

status=0
printf '%-34s %8s %6s %3s %7s\n' file seconds Hz ch kbit/s
for f in "$dir"/*.mp3 "$dir"/*.aiff; do
    dur=$(probe format=duration "$f" 2>/dev/null || true)
    dur=${dur:-$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$f" || echo 0)}
    rate=$(probe stream=sample_rate "$f")
    ch=$(probe stream=channels "$f")
    br=$(ffprobe -v error -show_entries format=bit_rate -of csv=p=0 "$f")
    printf '%-34s %8.2f %6s %3s %7d\n' "$(basename "$f")" "$dur" "$rate" "$ch" "$((br / 1000))"
    if ! awk -v d="$dur" 'BEGIN { exit !(d > 0) }'; then
        echo "  ERROR: no positive duration"
        status=1
    fi
done

echo
echo "ring sounds, target $TARGET_LUFS LUFS integrated (allowed: within 1 LU)"
printf '%-20s %8s %6s %9s %11s %10s\n' name LUFS "off" "peak dBTP" "first 0.1 s" "last 0.1 s"
for name in "${RINGS[@]}"; do
    f="$dir/$name.mp3"
    if [ ! -f "$f" ]; then
        echo "  ERROR: $name.mp3 missing"
        status=1
        continue
    fi
    summary=$(ffmpeg -hide_banner -nostats -i "$f" -af ebur128=peak=true -f null - 2>&1 |
        awk '/Summary:/ { on = 1 } on')
    lufs=$(awk '/I:/ { print $2; exit }' <<<"$summary")
    peak=$(awk '/Peak:/ { print $2; exit }' <<<"$summary")
    off=$(awk -v l="$lufs" -v t=$TARGET_LUFS 'BEGIN { printf "%+.1f", l - t }')
    printf '%-20s %8s %6s %9s %11s %10s\n' "$name" "$lufs" "$off" "$peak" "$(edge_db "$f" 0)" \
        "$(edge_db "$f" "$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$f" | awk '{ print $1 - 0.1 }')")"
    if ! awk -v o="$off" 'BEGIN { exit !(o >= -1 && o <= 1) }'; then
        echo "  ERROR: $name is more than 1 LU off the target"
        status=1
    fi
done
total=$(du -cb "$dir"/*.mp3 "$dir"/*.aiff | tail -1 | cut -f1)
echo
echo "total size of the sound files: $((total / 1024)) KiB"
exit $status
