#!/usr/bin/env bash
# Installs the Debian packages that building and testing Qubrin need, on a bare machine too.
# Packages that are already installed are skipped; nothing is asked (works without a terminal).
set -euo pipefail

# One package a line; later features add theirs here.
packages=(
    g++
    make
    cmake
    ninja-build
    pkg-config
    git
    qt6-base-dev
    qt6-svg-dev
    libgtest-dev
    libgmock-dev
    libbenchmark-dev
    libzxing-dev
    fonts-liberation
    cups
    printer-driver-cups-pdf
    libcups2-dev
    poppler-utils
    clang
    libclang-rt-14-dev
    xvfb
    x11-utils
    xdotool
    imagemagick
)

installed() {
    [[ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" == "install ok installed" ]]
}

missing=()
for p in "${packages[@]}"; do
    installed "$p" || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
    echo "install-deps: all ${#packages[@]} packages are installed"
    exit 0
fi

# Root runs apt-get directly; anyone else goes through sudo when it is there.
as_root=()
if ((EUID != 0)); then
    if command -v sudo >/dev/null; then
        as_root=(sudo)
    else
        echo "install-deps: missing ${missing[*]}; run as root or install sudo" >&2
        exit 1
    fi
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}" </dev/null
