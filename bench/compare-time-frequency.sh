#!/usr/bin/env bash
# Whole-process speed and peak memory of fdd-plot spectrogram against scipy.signal.spectrogram +
# matplotlib pcolormesh, on the same recording: an hour of 48 kHz mono (float32 .npy) into a
# 1000 x 600 PNG, frames of 4096 samples overlapping by 0.75, Hann window. Also says whether the
# recording's one-sample knock shows in each picture. scipy and matplotlib are only the yardstick.
#
# Usage: bench/compare-time-frequency.sh [FDD_PLOT_BINARY] [WORKDIR]
#   SECONDS_OF_AUDIO (environment) the recording's length (3600)
#   TIMEOUT          (environment) seconds either program may take before it counts as not done (1800)
# Exits 0 when a goal is missed (it is a report), non-zero when something could not run.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
fdd=$(realpath -m "${1:-$here/../build/apps/fdd-plot}")
work=${2:-$(mktemp -d)}
length=${SECONDS_OF_AUDIO:-3600}
limit=${TIMEOUT:-1800}
python=${PYTHON:-/usr/bin/python3}
[[ -x $fdd ]] || { echo "fdd-plot not found at $fdd: build it or pass its path" >&2; exit 1; }
"$python" -c 'import matplotlib, numpy, scipy' 2>/dev/null ||
    { echo "$python needs matplotlib, numpy and scipy: sudo apt-get install python3-matplotlib python3-scipy" >&2; exit 1; }
[[ -x /usr/bin/time ]] || { echo "/usr/bin/time is needed: sudo apt-get install time" >&2; exit 1; }
mkdir -p "$work"
cd "$work"
[[ -f recording.npy ]] || "$python" "$here/make_time_frequency_input.py" recording.npy "$length"

# run NAME COMMAND...: wall seconds and peak memory (MB) of COMMAND, or "not done" after $limit s.
declare -A seconds rss_mb
run() {
    local name=$1 start
    shift
    start=$(date +%s%N)
    if timeout "$limit" /usr/bin/time -f %M -o "$name.rss" "$@" >/dev/null 2>"$name.err"; then
        seconds[$name]=$(awk -v ns="$(($(date +%s%N) - start))" 'BEGIN { printf "%.2f", ns / 1e9 }')
        rss_mb[$name]=$(($(tail -n 1 "$name.rss") / 1024))
    else
        seconds[$name]="not done"
        rss_mb[$name]="-"
    fi
}

run fdd "$fdd" spectrogram --signal recording.npy --rate 48000 --nfft 4096 --overlap 0.75 --db --size 1000x600 \
    -o fdd.png
run scipy "$python" "$here/scipy_time_frequency.py" recording.npy 48000 scipy.png

echo "recording: $length s at 48 kHz, $work/recording.npy"
printf '%-28s %12s %10s %s\n' program seconds "peak MB" knock
for name in fdd scipy; do
    knock="-"
    [[ -f $name.png && ${seconds[$name]} != "not done" ]] && knock=$("$python" "$here/knock_visible.py" "$name.png" 0.4)
    printf '%-28s %12s %10s %s\n' "$name" "${seconds[$name]}" "${rss_mb[$name]}" "$knock"
done
if [[ ${seconds[fdd]} != "not done" && ${seconds[scipy]} != "not done" ]]; then
    awk -v a="${seconds[scipy]}" -v b="${seconds[fdd]}" 'BEGIN { printf "fdd-plot is %.1fx faster (goal 10x)\n", a / b }'
fi
