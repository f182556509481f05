#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brontel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that are missing for the given purpose (build, run, test, bench,
# arm64, web).
set -euo pipefail

build_pkgs=(cmake make g++ qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
            libgl-dev fonts-liberation libboost-dev)
bench_pkgs=(libbenchmark-dev)
# On AArch64 the sums take their vector sine and cosine from SLEEF.
[ "$(dpkg --print-architecture)" = arm64 ] && build_pkgs+=(libsleef-dev)
test_pkgs=(xvfb xauth xdotool imagemagick x11-utils libx11-dev appstream dpkg-dev fakeroot
           lintian desktop-file-utils reuse file binutils)
# `make check-arm64`: a cross compiler, user-mode qemu and SLEEF for arm64 (multiarch).
arm64_pkgs=(make g++-aarch64-linux-gnu qemu-user libsleef-dev:arm64)
# `make web`: the core compiled to WebAssembly, the page bundled with npm's tools and tested in
# Debian's chromium (never a browser that Playwright would download).
web_pkgs=(make cmake emscripten binaryen chromium nodejs fonts-liberation2)
# Some builds of nodejs bring npm along and conflict with Debian's npm package.
command -v npm >/dev/null || web_pkgs+=(npm)

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

wanted=()
[ $# -eq 0 ] && wanted=("${build_pkgs[@]}")
need_arm64_arch=false
for purpose in "$@"; do
    case "$purpose" in
        build|run) wanted+=("${build_pkgs[@]}") ;;
        test) wanted+=("${build_pkgs[@]}" "${test_pkgs[@]}") ;;
        bench) wanted+=("${build_pkgs[@]}" "${bench_pkgs[@]}") ;;
        arm64) wanted+=("${arm64_pkgs[@]}"); need_arm64_arch=true ;;
        web) wanted+=("${web_pkgs[@]}") ;;
        *) echo "install-deps: unknown purpose '$purpose'" >&2; exit 2 ;;
    esac
done

missing=()
for pkg in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
if [ -n "$sudo" ]; then
    command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install ${missing[*]}" >&2; exit 1; }
fi
export DEBIAN_FRONTEND=noninteractive
# arm64 packages on another architecture need arm64 known to dpkg first.
if $need_arm64_arch && [ "$(dpkg --print-architecture)" != arm64 ] &&
    ! dpkg --print-foreign-architectures | grep -qx arm64; then
    $sudo dpkg --add-architecture arm64
fi
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
