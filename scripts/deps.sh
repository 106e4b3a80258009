#!/usr/bin/env bash
# Installs the Debian packages that building and testing need; does nothing when all are present.
set -euo pipefail

packages=(
    g++ cmake make libgtest-dev zlib1g-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix libz-mingw-w64-dev
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    googletest
    wine64 fonts-wine libgnutls30
    xvfb xdotool imagemagick x11-utils
    python3 unzip
    python3-fusepy
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq || true
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
