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
for file in bin/brontel share/applications/brontel.desktop \
            share/icons/hicolor/scalable/apps/brontel.svg share/metainfo/brontel.metainfo.xml; do
    [ -s "$prefix/$file" ] || fail "$file not installed"
done
[ -x "$prefix/bin/brontel" ] || fail "bin/brontel is not executable"

desktop="$prefix/share/applications/brontel.desktop"
grep -qx 'Exec=brontel' "$desktop" || fail "the menu entry does not run brontel"
grep -qx 'Icon=brontel' "$desktop" || fail "the menu entry does not name the icon brontel"
grep -qx 'Categories=Education;Science;Physics;' "$desktop" || fail "categories missing"
for key in Name Comment; do
    grep -q "^$key=" "$desktop" || fail "no English $key"
    grep -q "^$key\[cs\]=" "$desktop" || fail "no Czech $key"
done
metainfo="$prefix/share/metainfo/brontel.metainfo.xml"
grep -q '<id>brontel</id>' "$metainfo" || fail "metainfo id is not brontel"
grep -q '<launchable type="desktop-id">brontel.desktop</launchable>' "$metainfo" ||
    fail "metainfo does not launch brontel.desktop"
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/brontel.svg" || fail "icon is not SVG"
echo "install_layout: all files in place under $prefix"
