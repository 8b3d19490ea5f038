#!/usr/bin/env bash
# Installs what Navik needs on a Debian 12 machine. Sourced by test.sh and run.sh.
# apt-get update runs only when a package is actually missing. Nothing else on the system is
# changed: the build copies the fonts the program needs (fonts-wine, fonts-liberation) into
# its own folder.

NAVIK_PACKAGES=(
    cmake g++ make pkg-config
    zlib1g-dev libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev
    clang-14 libclang-rt-14-dev clang-format git
    xvfb xauth fontconfig fonts-liberation fonts-wine fonts-dejavu-core
    # The Debian package, its desktop files' checks, and the test that starts its program on Xvfb.
    dpkg-dev file desktop-file-utils appstream x11-utils xdotool
    g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev libz-mingw-w64-dev wine wine64 unzip
)

navik_sudo() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

navik_install_packages() {
    local missing=()
    for p in "${NAVIK_PACKAGES[@]}"; do
        if [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" != "install ok installed" ]; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        navik_sudo apt-get update -qq
        navik_sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

navik_setup() {
    navik_install_packages
}
