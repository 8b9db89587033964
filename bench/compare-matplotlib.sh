#!/usr/bin/env bash
# Whole-program speed of fdd-plot against matplotlib on the same inputs:
# a 10 M and a 1 M sample curve and a 4000 x 4000 colour map. Wall clock of
# whole processes (start-up, file reading and PNG writing included), best of 3.
# matplotlib is only the yardstick here; the project does not depend on it.
#
# Usage: bench/compare-matplotlib.sh [FDD_PLOT_BINARY] [WORKDIR]
#   FDD_PLOT_BINARY  default build/apps/fdd-plot under the repository root
#   WORKDIR          default a fresh mktemp -d (inputs about 310 MB, kept)
#   FDD_PLOT_BEFORE  (environment) a second fdd-plot, such as an older build,
#                    timed in the same run and shown in its own columns
#   RUNS             (environment) runs of each case, the best one counted (3);
#                    more give steadier figures on a busy machine
# Exits 0 when a target is missed (it is a report), non-zero when something
# could not run.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
fdd=$(realpath -m "${1:-$here/../build/apps/fdd-plot}")
work=${2:-$(mktemp -d)}
runs=${RUNS:-3}

[[ -x $fdd ]] || { echo "fdd-plot not found at $fdd: build it or pass its path" >&2; exit 1; }
before=${FDD_PLOT_BEFORE:+$(realpath -m "$FDD_PLOT_BEFORE")}
[[ -z $before || -x $before ]] || { echo "FDD_PLOT_BEFORE: no program at $before" >&2; exit 1; }
mkdir -p "$work"
work=$(realpath "$work")

# The Debian packages land in /usr/bin/python3; a python3 earlier on PATH
# (pyenv, venv) usually lacks them.
python=${PYTHON:-/usr/bin/python3}
command -v "$python" >/dev/null || python=python3
# /usr/bin/time (package time) reports the peak memory.
packages=()
"$python" -c 'import matplotlib, numpy' 2>/dev/null || packages+=(python3-matplotlib python3-numpy)
[[ -x /usr/bin/time ]] || packages+=(time)
if ((${#packages[@]})); then
    if [[ $(id -u) -eq 0 ]] && command -v apt-get >/dev/null; then
        echo "installing ${packages[*]} ..."
        apt-get install -y --no-install-recommends "${packages[@]}" >/dev/null
    else
        echo "missing, install with: sudo apt-get install ${packages[*]}" >&2
        exit 1
    fi
    "$python" -c 'import matplotlib, numpy' ||
        { echo "$python cannot import matplotlib; set PYTHON to the Debian python3" >&2; exit 1; }
fi

declare -A seconds rss_mb
# shellcheck source=best-of.sh
source "$here/best-of.sh"

echo "fdd-plot: $fdd"
[[ -z $before ]] || echo "before:   $before"
echo "workdir:  $work"
"$python" "$here/make_inputs.py" "$work"
echo "matplotlib $("$python" -c 'import matplotlib; print(matplotlib.__version__)')," \
     "Agg backend, default settings (path simplification on, default imshow interpolation)"

echo "load before: $(uptime)"
cd "$work"
# fdd_plot_runs PREFIX PROGRAM: the fdd-plot cases, their times named PREFIX_<case>.
fdd_plot_runs() {
    local prefix=$1 program=$2
    best_of "${prefix}_curve" "$program" curve --x curve_x.npy --y curve_y.npy --size 1000x600 \
        -o "${prefix}_curve.png"
    best_of "${prefix}_curve1m" "$program" curve --x curve1m_x.npy --y curve1m_y.npy --size 1000x600 \
        -o "${prefix}_curve1m.png"
    best_of "${prefix}_map" "$program" map --x map_x.npy --z map_z.npy --values map_values.npy --transpose \
        --size 1000x1000 -o "${prefix}_map.png"
}
fdd_plot_runs fdd "$fdd"
[[ -z $before ]] || fdd_plot_runs before "$before"
best_of mpl_curve "$python" "$here/matplotlib_plot.py" curve curve_x.npy curve_y.npy mpl_curve.png
best_of mpl_curve1m "$python" "$here/matplotlib_plot.py" curve curve1m_x.npy curve1m_y.npy mpl_curve1m.png
best_of mpl_map "$python" "$here/matplotlib_plot.py" map map_x.npy map_z.npy map_values.npy mpl_map.png

echo
echo "wall clock, best of $runs (seconds); max RSS (MB)"
printf '%-8s %10s %12s %8s %8s  %-6s %9s %9s' \
    case fdd-plot matplotlib ratio target result "fdd RSS" "mpl RSS"
[[ -z $before ]] && echo || printf ' %10s %8s %10s\n' before ratio "before RSS"
for row in "curve 30" "curve1m 50" "map 20"; do
    read -r case target <<<"$row"
    fdd_s=${seconds[fdd_$case]} mpl_s=${seconds[mpl_$case]}
    awk -v c="$case" -v f="$fdd_s" -v m="$mpl_s" -v t="$target" \
        -v fr="${rss_mb[fdd_$case]}" -v mr="${rss_mb[mpl_$case]}" 'BEGIN {
        r = m / f
        printf "%-8s %10.3f %12.3f %7.1fx %7s  %-6s %9d %9d",
               c, f, m, r, ">= " t "x", (r >= t ? "PASS" : "FAIL"), fr, mr }'
    if [[ -z $before ]]; then
        echo
    else
        awk -v b="${seconds[before_$case]}" -v m="$mpl_s" -v br="${rss_mb[before_$case]}" \
            'BEGIN { printf " %10.3f %7.1fx %10d\n", b, m / b, br }'
    fi
done
echo "load after:  $(uptime)"
echo

"$python" "$here/check_peak.py" "$work" fdd_map.png mpl_map.png
rm -f "$work/rss.txt"
echo "images: $work/{fdd,mpl}_{curve,curve1m,map}.png"
