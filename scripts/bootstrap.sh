#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; quick when all are present.
set -euo pipefail

packages=(
    cmake ninja-build make g++ clang libclang-rt-14-dev
    g++-mingw-w64-i686 g++-mingw-w64-x86-64
    wine wine32:i386 wine64
    xvfb x11-utils fonts-wine imagemagick librsvg2-bin
    nsis fp-utils
    googletest libgtest-dev libbenchmark-dev
    clang-format clang-tidy valgrind
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
    need_update=1
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "bootstrap: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# A mirror in mid-sync fails one index now and then; retry, then go on with what was fetched.
for attempt in 1 2 3; do
    if "${sudo_cmd[@]}" apt-get update -qq; then break; fi
    echo "bootstrap: apt-get update failed (attempt $attempt)" >&2
    [ "$attempt" -eq 3 ] || sleep $((attempt * 10))
done
install=(apt-get install -y -qq --no-install-recommends "${missing[@]}")
if ! "${sudo_cmd[@]}" "${install[@]}" >/dev/null; then
    # When one architecture's security index could not be fetched, the two architectures' versions
    # of a shared library no longer match and multiarch refuses. Install from the main suites alone.
    echo "bootstrap: retrying without the security suite" >&2
    pref=$(mktemp)
    printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: -1\n' >"$pref"
    chmod 644 "$pref"
    "${sudo_cmd[@]}" apt-get -o Dir::Etc::Preferences="$pref" "${install[@]:1}" >/dev/null
    rm -f "$pref"
fi
