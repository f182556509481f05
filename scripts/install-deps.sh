#!/usr/bin/env bash
# Installs the Debian packages that are missing for the given purpose (build, run, test, bench).
set -euo pipefail

build_pkgs=(cmake make g++ qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation)
bench_pkgs=(libbenchmark-dev)
test_pkgs=(xvfb xauth xdotool imagemagick x11-utils libx11-dev appstream dpkg-dev fakeroot)

wanted=("${build_pkgs[@]}")
for purpose in "$@"; do
    case "$purpose" in
        build|run) ;;
        test) wanted+=("${test_pkgs[@]}") ;;
        bench) wanted+=("${bench_pkgs[@]}") ;;
        *) echo "install-deps: unknown purpose '$purpose'" >&2; exit 2 ;;
    esac
done

missing=()
for pkg in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install ${missing[*]}" >&2; exit 1; }
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
