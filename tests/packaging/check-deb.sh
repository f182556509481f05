#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brontel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package and runs lintian on it: any error or warning fails; informational
# tags are shown but pass.
set -euo pipefail
build="$1"
command -v lintian >/dev/null || { echo "SKIP: lintian is not installed"; exit 77; }

# The package of this build alone, so a stale one of another version cannot be checked instead.
rm -f "$build"/brontel_*.deb "$build"/brontel-dbgsym_*.ddeb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/brontel_*.deb)
[ -f "${debs[0]}" ] || { echo "lintian_deb: no package was built" >&2; exit 1; }

# The debugging symbols are split off, so the program in the package is stripped.
dpkg-deb --fsys-tarfile "${debs[0]}" | tar -xO ./usr/bin/brontel >"$build/brontel.packaged"
if readelf -S "$build/brontel.packaged" | grep -qE '\.symtab|\.debug_info'; then
    echo "lintian_deb: the packaged program is not stripped" >&2
    exit 1
fi
# Nor does it look for libraries anywhere but the system's folders.
if readelf -d "$build/brontel.packaged" | grep -qE '\((RPATH|RUNPATH)\)'; then
    echo "lintian_deb: the packaged program has a run path" >&2
    exit 1
fi
rm -f "$build/brontel.packaged"

echo "lintian $(lintian --version | awk '{print $2}') on ${debs[0]##*/}:"
lintian --fail-on error,warning --display-info "${debs[0]}"
echo "lintian_deb: no errors or warnings"
