#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brontel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks every installed file and how they refer
# to each other: the menu entry runs the program, names the icon, and is what the metainfo
# launches.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "install_layout: $*" >&2; exit 1; }
id=example.brontel.brontel
for file in bin/brontel share/applications/$id.desktop \
            share/icons/hicolor/scalable/apps/brontel.svg share/metainfo/$id.metainfo.xml \
            share/man/man1/brontel.1.gz share/doc/brontel/copyright \
            share/doc/brontel/changelog.gz; do
    [ -s "$prefix/$file" ] || fail "$file not installed"
done
[ -x "$prefix/bin/brontel" ] || fail "bin/brontel is not executable"
# The installed program takes its libraries from the system's folders alone.
if readelf -d "$prefix/bin/brontel" | grep -qE '\((RPATH|RUNPATH)\)'; then
    fail "bin/brontel has a run path: $(readelf -d "$prefix/bin/brontel" | grep -E 'R(UN)?PATH')"
fi
"$(dirname "$0")/check-runpath.sh" "$prefix" >/dev/null || fail "a run path looks in the current folder"

desktop="$prefix/share/applications/$id.desktop"
grep -qx 'Exec=brontel' "$desktop" || fail "the menu entry does not run brontel"
grep -qx 'Icon=brontel' "$desktop" || fail "the menu entry does not name the icon brontel"
grep -qx 'Categories=Education;Physics;' "$desktop" || fail "categories missing"
for key in Name Comment; do
    grep -q "^$key=" "$desktop" || fail "no English $key"
    grep -q "^$key\[cs\]=" "$desktop" || fail "no Czech $key"
done
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $id.desktop"
# The manual page and the changelog are gzip files that open.
for gz in share/man/man1/brontel.1.gz share/doc/brontel/changelog.gz; do
    gzip -t "$prefix/$gz" || fail "$gz is not a valid gzip file"
done
zcat "$prefix/share/man/man1/brontel.1.gz" | grep -q '^\.TH BRONTEL 1' || fail "manual page has no title"
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/brontel.svg" || fail "icon is not SVG"
echo "install_layout: all files in place under $prefix"
