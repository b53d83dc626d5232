#!/bin/sh
# Turns one SVG into the bitmaps the resource script embeds.
#   svg-to-bmp.sh bmp RSVG CONVERT SIZE|WIDTHxHEIGHT in.svg out.bmp
#   svg-to-bmp.sh ico RSVG CONVERT in.svg out.ico SIZE...
set -eu

die() {
    echo "svg-to-bmp: $*" >&2
    exit 1
}

[ $# -ge 5 ] || die "usage: $0 bmp|ico RSVG CONVERT ..."
mode=$1
rsvg=$2
magick=$3
shift 3

tmp=$(mktemp -d "${TMPDIR:-/tmp}/talvane-art.XXXXXX")
trap 'rm -rf "$tmp"' EXIT INT TERM

render() { # width height svg png
    "$rsvg" --width "$1" --height "$2" --keep-aspect-ratio --format png \
        --output "$4" "$3" || die "rsvg-convert failed on $3"
    dims=$("$magick" "$4" -format '%wx%h' info:) || die "cannot read $4"
    [ "$dims" = "$1x$2" ] || die "$3 rendered as $dims, wanted $1x$2"
}

positive() {
    case $1 in
    '' | 0* | *[!0-9]*) return 1 ;;
    esac
}

u16() { od -An -tu2 -j "$2" -N2 "$1" | tr -d ' '; }
u32() { od -An -tu4 -j "$2" -N4 "$1" | tr -d ' '; }

case $mode in
bmp)
    [ $# -eq 3 ] || die "bmp wants SIZE|WIDTHxHEIGHT in.svg out.bmp"
    svg=$2 out=$3
    # A strip of images is one row of cells, so it is wider than it is tall.
    case $1 in
    *x*) width=${1%%x*} height=${1#*x} ;;
    *) width=$1 height=$1 ;;
    esac
    if ! positive "$width" || ! positive "$height"; then
        die "bad size $1"
    fi
    render "$width" "$height" "$svg" "$tmp/a.png"
    # A hard alpha cut: Windows 98 masks by one colour, so any pixel blended
    # towards magenta would show as a pink fringe.
    "$magick" "$tmp/a.png" -alpha set -channel A -threshold 50% +channel \
        -background 'rgb(255,0,255)' -alpha remove -alpha off \
        -type TrueColor "BMP3:$tmp/a.bmp" || die "convert failed on $svg"
    # ImageMagick picks a palette or RLE when it thinks it can; LoadImage on
    # old systems and our mask handling both want plain 24-bit.
    [ "$(head -c 2 "$tmp/a.bmp")" = BM ] || die "$out: not a BMP"
    [ "$(u16 "$tmp/a.bmp" 28)" = 24 ] || die "$out: not 24-bit"
    [ "$(u32 "$tmp/a.bmp" 30)" = 0 ] || die "$out: compressed"
    mv -f "$tmp/a.bmp" "$out"
    ;;
ico)
    [ $# -ge 3 ] || die "ico wants in.svg out.ico SIZE..."
    svg=$1 out=$2
    shift 2
    count=$#
    for size in "$@"; do
        render "$size" "$size" "$svg" "$tmp/$size.png"
        set -- "$@" "$tmp/$size.png"
        shift
    done
    # Clear the colour of fully transparent pixels: systems that ignore the
    # alpha byte draw with the AND mask and XOR the colour on top.
    "$magick" "$@" -alpha set -background 'rgba(0,0,0,0)' -alpha background \
        "ICO:$tmp/a.ico" || die "convert failed on $svg"
    [ "$(u16 "$tmp/a.ico" 2)" = 1 ] || die "$out: not an icon"
    [ "$(u16 "$tmp/a.ico" 4)" = "$count" ] || die "$out: wrong image count"
    mv -f "$tmp/a.ico" "$out"
    ;;
*)
    die "unknown mode $mode"
    ;;
esac
