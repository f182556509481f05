#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brontel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Reads the run path of every ELF file under the given folders (a build tree, an installed
# prefix, an unpacked package): an empty entry or a relative one makes the loader look for
# libraries in whatever folder the program is started from, where anyone may have put one.
# Only absolute folders and $ORIGIN-based ones pass. Fails when no program is found at all.
set -euo pipefail
command -v readelf >/dev/null || { echo "SKIP: readelf is not installed"; exit 77; }

checked=0
bad=0
while IFS= read -r -d '' file; do
    [ "$(head -c 4 "$file" | od -An -tx1 | tr -d ' \n')" = 7f454c46 ] || continue
    checked=$((checked + 1))
    # Lines such as: 0x... (RUNPATH) Library runpath: [a:b]
    while IFS= read -r path; do
        # A trailing empty entry is dropped by read -a; an explicit check catches it.
        if [ -z "$path" ] || [[ "$path" == :* ]] || [[ "$path" == *: ]] || [[ "$path" == *::* ]]; then
            echo "check-runpath: $file has an empty run path entry: [$path]" >&2
            bad=$((bad + 1))
            continue
        fi
        IFS=: read -r -a entries <<<"$path"
        for entry in "${entries[@]}"; do
            case "$entry" in
                /* | '$ORIGIN' | '$ORIGIN/'* | '${ORIGIN}' | '${ORIGIN}/'*) ;;
                *)
                    echo "check-runpath: $file has a relative run path entry: $entry" >&2
                    bad=$((bad + 1))
                    ;;
            esac
        done
    done < <(readelf -d "$file" 2>/dev/null | sed -n 's/.*(\(RPATH\|RUNPATH\)).*: \[\(.*\)\]$/\2/p')
done < <(find "$@" -type f -perm -u+x -print0)

[ "$checked" -gt 0 ] || { echo "check-runpath: no program found under $*" >&2; exit 1; }
[ "$bad" -eq 0 ] || exit 1
echo "check-runpath: $checked programs, none looks for libraries in the current folder"
