#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The cabinet session's restart rules, with a stand-in for zembra that follows a plan of runs
# (how long each lasts on a pretend clock, how it ends) and stand-ins for the X tools and for
# sleep that record how they were called. No display is used.
# Usage: session_test.sh PATH_TO_zembra-cabinet-session
set -uo pipefail
session=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() {
    echo "FAIL: $*"
    status=1
}

mkdir -p "$work/bin"
for tool in xset xsetroot sleep; do
    printf '#!/bin/sh\necho "$*" >> "%s/%s.calls"\n' "$work" "$tool" > "$work/bin/$tool"
    chmod +x "$work/bin/$tool"
done
# The stand-in: run N follows line N of the plan, "SECONDS@END" where END is an exit status or
# a signal name. Past the plan it exits 0, so a session that never stops cannot hang the test.
cat > "$work/zembra" <<'STUB'
#!/bin/bash
runs=$(( $(cat "$PLAN_DIR/runs" 2> /dev/null || echo 0) + 1 ))
echo "$runs" > "$PLAN_DIR/runs"
echo "$* home=${ZEMBRA_HOME:-}" >> "$PLAN_DIR/arguments"
step=$(sed -n "${runs}p" "$PLAN_DIR/plan")
[ -n "$step" ] || exit 0
echo $(( $(cat "$PLAN_DIR/clock") + ${step%@*} )) > "$PLAN_DIR/clock"
end=${step#*@}
echo "run $runs says goodbye" >&2
case $end in
    [0-9]*) exit "$end" ;;
    *) kill -s "$end" $$ ;;
esac
STUB
chmod +x "$work/zembra"

# run_session NAME PLAN [VAR=VALUE...]: a fresh home and clock, then the session to its end.
run_session() {
    local name=$1 plan=$2
    shift 2
    case_dir=$work/$name
    mkdir -p "$case_dir/home"
    tr ' ' '\n' <<< "$plan" > "$case_dir/plan"
    echo 1000 > "$case_dir/clock"
    rm -f "$work"/*.calls
    session_status=0
    env -u DISPLAY -u ZEMBRA_HOME -u XDG_STATE_HOME -u XDG_CONFIG_HOME \
        PATH="$work/bin:$PATH" HOME="$case_dir/home" PLAN_DIR="$case_dir" \
        ZEMBRA_SESSION_ZEMBRA="$work/zembra" ZEMBRA_SESSION_CLOCK="cat $case_dir/clock" "$@" \
        "$session" > "$case_dir/stdout" 2> "$case_dir/stderr" || session_status=$?
    runs=$(cat "$case_dir/runs" 2> /dev/null || echo 0)
    pauses=$(tr '\n' ' ' 2> /dev/null < "$work/sleep.calls" | sed 's/ $//')
    log=$case_dir/home/.local/state/zembra/session.log
}

# expect NAME PLAN RUNS STATUS PAUSES LOGTEXT [VAR=VALUE...]
expect() {
    local name=$1 plan=$2 want_runs=$3 want_status=$4 want_pauses=$5 text=$6
    shift 6
    run_session "$name" "$plan" "$@"
    [ "$runs" = "$want_runs" ] || fail "$name: zembra ran $runs times, not $want_runs"
    [ "$session_status" = "$want_status" ] ||
        fail "$name: the session ended with $session_status, not $want_status"
    [ "$pauses" = "$want_pauses" ] || fail "$name: paused \"$pauses\", not \"$want_pauses\""
    grep -qF -- "$text" "$log" || fail "$name: \"$text\" not in the log: $(cat "$log")"
}

#      case          plan (seconds@end ...)                   runs status pauses     log says
expect exit          "0@0"                                    1    0      ""         "Exit was chosen"
expect refused       "30@1"                                   1    0      ""         "the power-off was refused"
expect crashes       "100@KILL 100@139 100@SEGV 0@0"          4    0      ""         "zembra was ended by signal 9"
expect fails_at_once "0@2 1@2 0@2 9@2 0@2 0@0"                5    1      "2 4 8 16" "giving up after 5 quick failures"
expect long_run_resets "0@2 0@2 0@2 0@2 50@SEGV 3@2 0@2 0@0"  8    0      "2 4 8 16 2 4" "zembra ended with status 2"
expect settings      "0@2 0@2 0@0"                            3    0      "5 10"     "starting $work/zembra --rescan-not"  \
    ZEMBRA_SESSION_PAUSE=5 ZEMBRA_SESSION_TRIES=3 ZEMBRA_SESSION_ARGS="--rescan-not"

# What the stand-in said reaches the log, and giving up is said where the owner sees it.
run_session gives_up "0@2 0@2 0@2" ZEMBRA_SESSION_TRIES=3
grep -qF "run 3 says goodbye" "$log" || fail "the program's own words are not in the log"
grep -qF "Zembra failed 3 times in a row within 10 seconds" "$case_dir/stderr" ||
    fail "giving up was not said: $(cat "$case_dir/stderr")"

# The display is set up for a cabinet: no blanking, no power saving, a blank pointer.
run_session display "0@0"
grep -qxF "s off s noblank" "$work/xset.calls" || fail "xset was not told to keep the screen on"
grep -qxF -- "-dpms" "$work/xset.calls" || fail "xset was not told to keep the display powered"
grep -qF -- "-cursor" "$work/xsetroot.calls" || fail "the pointer was not hidden"

# The cabinet folder can be set in the session's settings file, and reaches zembra.
mkdir -p "$work/conf/home/.config/zembra"
echo 'ZEMBRA_HOME=/srv/cabinet' > "$work/conf/home/.config/zembra/session.conf"
run_session conf "0@0"
grep -qF "home=/srv/cabinet" "$case_dir/arguments" ||
    fail "ZEMBRA_HOME from session.conf did not reach zembra: $(cat "$case_dir/arguments")"

# Ending the session (log-out, shutdown) ends zembra and starts nothing again.
cat > "$work/waiting-zembra" <<STUB
#!/bin/bash
/bin/sleep 300 &
trap 'kill \$!; echo stopped > "$work/term/stopped"; exit 143' TERM
echo started > "$work/term/started"
wait
STUB
chmod +x "$work/waiting-zembra"
mkdir -p "$work/term/home"
env -u DISPLAY HOME="$work/term/home" PATH="$work/bin:$PATH" \
    ZEMBRA_SESSION_ZEMBRA="$work/waiting-zembra" "$session" 2> /dev/null &
session_pid=$!
for _ in $(seq 1 300); do
    [ -f "$work/term/started" ] && break
    /bin/sleep 0.1
done
kill -TERM "$session_pid"
wait "$session_pid"
term_status=$?
[ "$term_status" = 0 ] || fail "a session asked to end ended with $term_status"
[ -f "$work/term/stopped" ] || fail "zembra was not ended with the session"
grep -c "starting " "$work/term/home/.local/state/zembra/session.log" | grep -qx 1 ||
    fail "zembra was started again after the session was asked to end"

[ $status -eq 0 ] && echo "cabinet session: ok"
exit $status
