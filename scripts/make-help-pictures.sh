#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brontel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the labelled pictures of a finished run that the help and the README show, one per
# language, with the program's own command line and ImageMagick. Run from the repository after
# building: scripts/make-help-pictures.sh [build/brontel]
set -euo pipefail

program=${1:-build/brontel}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A configuration of its own, so that no remembered language gets in the way.
export XDG_CONFIG_HOME="$work/config"

# The numbered marks of the help's legend, at their places in the picture at scale 1 (a point
# of the scene in twips is at x / 15 - 176, y / 15 - 32): x y number. Each mark sits on what it
# names: 3 on the first reflected edge below the black beam, 4 on the probe line, 5 and 6 on the
# lines of detectors H (750 twips above the surface) and L.
marks=("60 345 1" "235 100 2" "80 372 3" "311 200 4" "255 251 5" "300 401 6" "125 140 7"
       "535 92 8" "200 450 8")

label() {
    local in=$1 out=$2
    local args=("$in" -font Liberation-Sans-Bold -pointsize 14)
    local x y n
    for mark in "${marks[@]}"; do
        read -r x y n <<<"$mark"
        args+=(-fill '#c00000' -stroke white -strokewidth 1 -draw "circle $x,$y $((x + 9)),$y"
               -stroke none -fill white -annotate "+$((x - 4))+$((y + 5))" "$n")
    done
    convert "${args[@]}" -strip -define png:compression-level=9 "$out"
}

for lang in cs en; do
    "$program" --lang "$lang" --picture "$work/run-$lang.png" --scale 1
done
label "$work/run-cs.png" docs/help-run.png
label "$work/run-en.png" docs/help-run-en.png
