#!/usr/bin/env bash
# Start-up cost of a desktop program against the floor of a bare Qt window, under a private Xvfb.
# Each run: time from exec until the window is mapped (and until the program's first window of any
# name, a splash in front of it), resident memory once mapped and idle, and the CPU time used while
# idling after mapping. Prints medians (CPU: the worst run) and the ratios.
#
# usage: bench/startup/measure.sh [options] PROGRAM [ARGS...]
#   -n RUNS            runs of each program (default 15), taken alternately after one warm-up each
#   --name REGEX       the program's main window name (default: its first mapped window)
#   --idle-ms MS       idle period watched after mapping and a 250 ms settle for the first paint
#                      (default 2000)
#   --build DIR        build tree holding bench/startup/{startup_probe,bare_qt_window} (default build)
#   --probe PATH       startup_probe program;  --floor PATH  the floor program
#   --check            exit 1 unless its first window maps within 1.3 x the floor's time, it uses at most
#                      8 MB more memory, and it is idle
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
original_args=("$@")

runs=15 name="" idle_ms=2000 build="$repo/build" probe="" floor="" check=0
while [ $# -gt 0 ]; do
  case $1 in
    -n) runs=$2; shift 2 ;;
    --name) name=$2; shift 2 ;;
    --idle-ms) idle_ms=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --probe) probe=$2; shift 2 ;;
    --floor) floor=$2; shift 2 ;;
    --check) check=1; shift ;;
    --) shift; break ;;
    -*) echo "measure.sh: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
[ $# -ge 1 ] || { sed -n '2,14p' "$0" >&2; exit 2; }
probe=${probe:-$build/bench/startup/startup_probe}
floor=${floor:-$build/bench/startup/bare_qt_window}
for tool in "$probe" "$floor" "$1"; do
  command -v "$tool" >/dev/null || { echo "measure.sh: $tool is not built" >&2; exit 2; }
done

if [ -z "${PELMORA_STARTUP_XVFB:-}" ]; then
  export PELMORA_STARTUP_XVFB=1
  exec bash "$repo/scripts/xvfb-run-here.sh" bash "$0" "${original_args[@]}"
fi

results=$(mktemp)
trap 'rm -f "$results"' EXIT

# probe_once LABEL NAME PROGRAM [ARGS...]: appends "LABEL map_ms rss_kb idle_cpu_ms first_map_ms" to
# the results.
probe_once() {
  local label=$1 pattern=$2 line
  shift 2
  local name_args=()
  [ -n "$pattern" ] && name_args=(--name "$pattern")
  line=$("$probe" "${name_args[@]}" --idle-ms "$idle_ms" -- "$@") || { echo "measure.sh: $label failed" >&2; exit 1; }
  # map_ms=12.34 rss_kb=27000 idle_cpu_ms=0 first_map_ms=8.76
  set -- ${line//=/ }
  [ "$1" = map_ms ] && [ "$3" = rss_kb ] && [ "$5" = idle_cpu_ms ] && [ "$4" -gt 0 ] && [ "${7:-}" = first_map_ms ] \
    || { echo "measure.sh: $label gave a bad measurement: $line" >&2; exit 1; }
  echo "$label $2 $4 $6 $8" >>"$results"
}

program_label=$(basename "$1")
probe_once warmup "^bare_qt_window\$" "$floor" >/dev/null
probe_once warmup "$name" "$@" >/dev/null
for _ in $(seq 1 "$runs"); do
  probe_once floor "^bare_qt_window\$" "$floor"
  probe_once program "$name" "$@"
done

awk -v runs="$runs" -v idle="$idle_ms" -v label="$program_label" -v check="$check" '
  function median(list, n,    sorted, i, j, t) {
    for (i = 1; i <= n; i++) sorted[i] = list[i]
    for (i = 2; i <= n; i++) for (j = i; j > 1 && sorted[j-1] > sorted[j]; j--) { t = sorted[j]; sorted[j] = sorted[j-1]; sorted[j-1] = t }
    return (n % 2) ? sorted[(n+1)/2] : (sorted[n/2] + sorted[n/2+1]) / 2
  }
  $1 == "floor"   { fm[++nf] = $2; fr[nf] = $3; if ($4 > fc) fc = $4; ff[nf] = $5 }
  $1 == "program" { pm[++np] = $2; pr[np] = $3; if ($4 > pc) pc = $4; pf[np] = $5 }
  END {
    fmap = median(fm, nf); prog_map = median(pm, np)
    ffirst = median(ff, nf); pfirst = median(pf, np)
    frss = median(fr, nf) / 1024; prss = median(pr, np) / 1024
    printf "Start-up under Xvfb, %d runs each (median; idle CPU: worst run over %d ms)\n", runs, idle
    printf "first window: exec to the first window of any name (a splash); map: exec to the named window\n\n"
    printf "%-22s %16s %12s %12s %16s\n", "program", "first window ms", "map ms", "RSS MB", "idle CPU ms"
    printf "%-22s %16.1f %12.1f %12.1f %16d\n", "bare_qt_window (floor)", ffirst, fmap, frss, fc
    printf "%-22s %16.1f %12.1f %12.1f %16d\n", label, pfirst, prog_map, prss, pc
    printf "%-22s %15.2fx %11.2fx %+11.1f %16s\n", "ratio / difference", pfirst / ffirst, prog_map / fmap, prss - frss, ""
    # The time target is the first window the user sees: a splash in front of the main window holds
    # the main window back on purpose, so its map time is shown but not judged.
    printf "%-22s %16s %12s %12s %16s\n", "target", "<= 1.30x", "", "<= +8.0", "0"
    ok = (pfirst <= 1.3 * ffirst) && (prss - frss <= 8.0) && (pc == 0)
    printf "\n%s\n", ok ? "within targets" : "OUTSIDE targets"
    if (check && !ok) exit 1
  }' "$results"
