#!/usr/bin/env bash
# One running instance per user: later starts hand over and end at once, and a socket left by
# a killed instance does not block the next start. Runs on Qt's offscreen platform.
set -u
quillex=$1
work=$(mktemp -d)
primary=""
cleanup() {
    [ -n "$primary" ] && kill -9 "$primary" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/tmp"
mkdir -m 700 "$work/run"
# The instance's socket and lock are made in XDG_RUNTIME_DIR, so the test can see when it
# listens.
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" HOME="$work" TMPDIR="$work/tmp" \
    XDG_RUNTIME_DIR="$work/run"
cd "$work" || exit 1

fail() {
    echo "FAIL: $*"
    exit 1
}

# Starts the program in the background and waits until it is the running instance, that is,
# until a second start hands over to it.
start_primary() {
    touch "$work/marker"
    sleep 0.01
    "$quillex" >/dev/null 2>&1 &
    primary=$!
    for _ in $(seq 100); do
        sleep 0.05
        kill -0 "$primary" 2>/dev/null || fail "the first start ended by itself"
        for socket in "$work"/run/quillex-*; do
            [ -S "$socket" ] && [ "$socket" -nt "$work/marker" ] && return 0
        done
    done
    fail "the first start never began listening"
}

running_count() {
    pgrep -f -x "$quillex" | wc -l
}

start_primary
for i in $(seq 50); do
    start=$(date +%s%N)
    timeout 5 "$quillex" >/dev/null 2>&1
    status=$?
    elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
    [ "$status" -eq 0 ] || fail "start $i ended with status $status"
    [ "$elapsed" -lt 1000 ] || fail "start $i took $elapsed ms"
done
[ "$(running_count)" -eq 1 ] || fail "$(running_count) instances running after 50 starts"
timeout 5 "$quillex" --toggle >/dev/null 2>&1 || fail "--toggle did not hand over"
[ "$(running_count)" -eq 1 ] || fail "--toggle started a second instance"
kill -0 "$primary" 2>/dev/null || fail "the first instance is gone"

# A connection carries one command: many lines on one get one answer, then the end.
if command -v python3 >/dev/null; then
    answers=$(python3 -c '
import glob, socket, sys
s = socket.socket(socket.AF_UNIX)
s.settimeout(5)
s.connect(glob.glob(sys.argv[1] + "/quillex-*[!k]")[0])
s.sendall(b"Open\n" * 500)
answers = b""
try:
    while piece := s.recv(4096):
        answers += piece
except ConnectionResetError:  # the end, with lines unread
    pass
print(answers.count(b"ok"))' "$work/run")
    [ "$answers" = 1 ] || fail "500 commands on one connection got ${answers:-no} answers"
fi

# A killed instance leaves its socket behind; the next start must still become the instance.
kill -9 "$primary"
wait "$primary" 2>/dev/null
primary=""
start_primary
kill -0 "$primary" 2>/dev/null || fail "a start after a killed instance did not stay running"
timeout 5 "$quillex" >/dev/null 2>&1 || fail "handing over to the new instance failed"
[ "$(running_count)" -eq 1 ] || fail "$(running_count) instances after the restart"
echo "single instance: 1 passed, 0 failed"
