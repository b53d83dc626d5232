#!/usr/bin/env bash
# Wine server requests of a program's main thread from its start until it first waits for input, or until its first
# window is destroyed (startup_bench closes a program as soon as it is ready). Start-up under Wine is bound by these
# round trips, and unlike a time the count is the same every run for the same binary, so it shows changes that timing
# noise hides. Each program starts once through startup_bench, after two floor starts, in a fresh Wine session traced
# with WINEDEBUG=+server. The request kinds of the last program are set against those of the one before it.
# Usage, in a Wine environment under X: server_requests.sh STARTUP_BENCH FLOOR PROGRAM...
set -euo pipefail
bench=$1 floor=$2
shift 2
trace=$(mktemp -d)
trap 'rm -rf "$trace"' EXIT

count() {
    # The main thread is the one that started last; its requests are the lines "TID: name( ...".
    awk -v out="$2" '
        / init_first_thread\( / { tid = substr($1, 1, length($1) - 1) }
        { lines[NR] = $0 }
        END {
            for (i = 1; i <= NR; ++i) {
                split(lines[i], f, " ")
                if (f[1] != tid ":" || f[2] !~ /^[a-z_]+\($/) continue
                name = substr(f[2], 1, length(f[2]) - 1)
                if (name == "create_window") ++windows
                if (name == "destroy_window" || (windows > 0 && name == "select" && lines[i] ~ /timeout=infinite/ &&
                                                  lines[i] ~ /WAIT,/)) break
                ++total
                ++kinds[name]
            }
            for (k in kinds) print k, kinds[k] > out
            printf "%d requests, %d windows", total, windows
        }' "$1"
}

previous='' last='' n=0
for program in "$@"; do
    n=$((n + 1))
    wineserver -k 2>/dev/null || true
    WINEDEBUG=+server wine "$bench" 1 "$floor" "$floor" "$program" >/dev/null 2>"$trace/raw" || true
    name=$(basename "$program")
    printf '%-28s %s to ready\n' "$name" "$(count "$trace/raw" "$trace/$n.kinds")"
    previous=$last last=$n
    names[n]=$name
done
wineserver -k 2>/dev/null || true
if [ -n "$previous" ]; then
    echo "the request kinds that differ most from ${names[previous]} (${names[last]} minus ${names[previous]}):"
    join -a 2 -e 0 -o 0,1.2,2.2 <(sort "$trace/$previous.kinds") <(sort "$trace/$last.kinds") |
        awk '$3 != $2 { d = $3 - $2; print (d < 0 ? -d : d), d, $1 }' | sort -nr | head -n 12 |
        awk '{ printf "  %-24s %+6d\n", $3, $2 }'
fi
