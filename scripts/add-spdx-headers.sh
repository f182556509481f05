#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brontel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Puts the copyright and licence lines at the top of every source file of the repository that
# lacks them, in the file's own comment syntax. Safe to run again: files that have the lines are
# left alone. Files that cannot carry a comment (images, JSON) are covered by .reuse/dep5.
# Run it after adding files; `reuse lint` (ctest -R reuse_lint) tells if anything is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

owner="2026 The Brontel developers"
# REUSE-IgnoreStart
copyright_tag="SPDX-FileCopyrightText"
licence_tag="SPDX-License-Identifier"
# REUSE-IgnoreEnd

# The comment style of a file: prefix and suffix of a comment line, empty when it has none.
style()
{
    case "$1" in
        *.cpp | *.h) echo '//|' ;;
        CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | Makefile | */Makefile | .ci/* | .gitignore | \
            .clang-format | *.supp | *.desktop | *.yml | *.yaml) echo '#|' ;;
        *.xml | *.md | *.ts) echo '<!--| -->' ;;
        *.[1-8]) echo '.\"|' ;; # manual pages
        *) echo '' ;;
    esac
}

# The metainfo is metadata that app stores copy, so it is free of any condition.
licence_of()
{
    case "$1" in
        *.metainfo.xml) echo "CC0-1.0" ;;
        *) echo "GPL-3.0-or-later" ;;
    esac
}

added=0
while IFS= read -r -d '' file; do
    case "$file" in
        LICENSE | LICENSES/* | .reuse/*) continue ;;
    esac
    [ -f "$file" ] || continue
    head -n 12 "$file" | grep -q "$licence_tag" && continue
    s="$(style "$file")"
    if [ -z "$s" ]; then
        case "$file" in
            *.png | *.svg | *.json | packaging/copyright | packaging/changelog) ;; # in .reuse/dep5
            *) echo "add-spdx-headers: no comment syntax for $file; cover it in .reuse/dep5" >&2 ;;
        esac
        continue
    fi
    pre="${s%%|*}"
    post="${s#*|}"
    header="$pre $copyright_tag: $owner$post
$pre $licence_tag: $(licence_of "$file")$post"
    first="$(head -n 1 "$file")"
    tmp="$(mktemp)"
    # A shebang or an XML declaration must stay on the first line.
    if [[ "$first" == '#!'* || "$first" == '<?xml'* ]]; then
        { printf '%s\n%s\n' "$first" "$header"; tail -n +2 "$file"; } >"$tmp"
    elif [[ "$file" == *.[1-8] ]]; then
        # A blank line would be a blank line of the printed page.
        { printf '%s\n' "$header"; cat "$file"; } >"$tmp"
    else
        { printf '%s\n\n' "$header"; cat "$file"; } >"$tmp"
    fi
    # Keep the file's mode (scripts stay executable).
    cat "$tmp" >"$file"
    rm -f "$tmp"
    echo "add-spdx-headers: $file"
    added=$((added + 1))
done < <(git ls-files -z --cached --others --exclude-standard)
echo "add-spdx-headers: $added file(s) given a header"
