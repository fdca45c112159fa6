#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real information window on a 40 MB mameinfo.dat, under a virtual display: the time from
# the window starting to open to the first frame showing the entry, the first time (the index
# is built) and on later openings (the index is kept). Read from the program's trace.
# Usage: bench/info_window.sh PATH_TO_ZEMBRA (a release build: scripts/bench.sh makes one).
set -euo pipefail
zembra=$1
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$root/tests/e2e/lib.sh"
cab=$work/cab
make_cabinet "$cab"
set_mame_dir "$cab"
# About 24,000 entries of a few hundred bytes to a few KB, under one to three names each; the
# selected game (game01) is near the end, so a linear search would read nearly all of it.
python3 - "$cab/mame/mameinfo.dat" << 'PY'
import random, sys
random.seed(7)
sentence = "A game of skill and timing, released in one cabinet and two conversions.\r\n"
parts, size, entry = ["# generated information file\r\n"], 0, 0
while size < 40 << 20:
    names = ["g%d" % entry] + ["g%da%d" % (entry, a) for a in range(random.randrange(3))]
    text = "$info=%s,\r\n$mame\r\n%s" % (",".join(names), sentence * random.randrange(2, 40))
    text += "$end\r\n\r\n"
    parts.append(text)
    size += len(text)
    entry += 1
parts.insert(len(parts) - 10, "$info=game01\r\n$mame\r\nThe entry looked for.\r\n$end\r\n")
open(sys.argv[1], "w", newline="").write("".join(parts))
PY
cp "$cab/mame/mameinfo.dat" "$cab/mame/history.dat"

export ZEMBRA_E2E_BIN=$zembra ZEMBRA_E2E_CAB=$cab ZEMBRA_E2E_LIB=$root/tests/e2e/lib.sh
export ZEMBRA_TRACE=$cab/trace
bash "$root/tests/support/with-display.sh" --size 1920x1080 bash -c '
    set -euo pipefail
    source "$ZEMBRA_E2E_LIB"
    texts() { grep -c "^info-text " "$ZEMBRA_TRACE" 2> /dev/null || true; }
    start_zembra "$ZEMBRA_E2E_CAB/run.log" --home "$ZEMBRA_E2E_CAB"
    pid=$zembra_pid
    wait_for_browser
    for opening in $(seq 1 8); do
        before=$(texts)
        xdo key i
        for tries in $(seq 1 100); do [ "$(texts)" -gt "$before" ] && break; sleep 0.05; done
        sleep 0.4 # past the key guard of the opening window
        xdo key space
        wait_for_browser
    done
    xdo key Escape
    wait_for_exit "$pid"
'
python3 - "$cab/trace" << 'PY'
import statistics, sys
times = [(int(f[2]) - int(f[1])) / 1e6 for f in
         (line.split() for line in open(sys.argv[1]) if line.startswith("info-text "))]
if len(times) < 2:
    sys.exit("too few openings traced")
print("first opening (index built): %.1f ms" % times[0])
print("later openings (index kept): median %.1f ms, slowest %.1f ms of %d"
      % (statistics.median(times[1:]), max(times[1:]), len(times) - 1))
PY
grep "^info-text " "$cab/trace" | grep -qv " found$" && { echo "an opening found no entry"; exit 1; }
exit 0
