#!/usr/bin/env bash
# with-xvfb.sh CMD...: runs CMD on the current X display if it answers, else on a private Xvfb that ends with CMD.
# TALVANE_OWN_XVFB=1 forces a private server (parallel GUI runs must not share a pointer or focus).
set -uo pipefail

if [ $# -eq 0 ]; then
    echo "usage: with-xvfb.sh CMD [ARGS...]" >&2
    exit 2
fi

if [ "${TALVANE_OWN_XVFB:-0}" != 1 ] && [ -n "${DISPLAY:-}" ] && timeout 5 xdpyinfo >/dev/null 2>&1; then
    exec "$@"
fi

if ! command -v Xvfb >/dev/null; then
    echo "with-xvfb.sh: no usable DISPLAY and Xvfb is not installed (Debian package xvfb)" >&2
    exit 2
fi

fd_file=$(mktemp "${TMPDIR:-/tmp}/with-xvfb.XXXXXX")
# -displayfd picks a free display number itself and writes it once the server accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fd_file" 2>"$fd_file.log" &
xvfb_pid=$!

child_pid=
# shellcheck disable=SC2317  # called by the EXIT trap
stop_xvfb() {
    [ -n "$child_pid" ] && kill "$child_pid" 2>/dev/null
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    rm -f "$fd_file" "$fd_file.log"
}
trap stop_xvfb EXIT
trap 'exit 143' TERM
trap 'exit 130' INT

display=
for _ in $(seq 1 500); do
    display=$(head -n1 "$fd_file" 2>/dev/null)
    [ -n "$display" ] && break
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "with-xvfb.sh: Xvfb exited early:" >&2
        cat "$fd_file.log" >&2
        exit 2
    fi
    sleep 0.02
done
if [ -z "$display" ]; then
    echo "with-xvfb.sh: Xvfb did not report a display within 10 s" >&2
    exit 2
fi

export DISPLAY=":$display"
# In the background so that a TERM (a test timeout) is handled at once, not after CMD ends.
"$@" <&0 &
child_pid=$!
wait "$child_pid"
rc=$?
child_pid=
exit "$rc"
