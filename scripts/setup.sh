#!/usr/bin/env bash
# Installs what Navik needs on a Debian 12 machine. Sourced by test.sh and run.sh.
# apt-get update runs only when a package is actually missing.

NAVIK_PACKAGES=(
    cmake g++ make pkg-config
    zlib1g-dev libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev
    clang-14 libclang-rt-14-dev clang-format git
    xvfb xauth fontconfig fonts-liberation fonts-wine fonts-dejavu-core
    g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev libz-mingw-w64-dev wine wine64 unzip
)

navik_sudo() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

navik_install_packages() {
    local missing=()
    for p in "${NAVIK_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        navik_sudo apt-get update -qq
        navik_sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# The dialogs are laid out in Tahoma and MS Sans Serif; Debian ships metric-compatible
# faces with Wine but outside fontconfig's search path, so point fontconfig at them.
navik_install_fonts() {
    local conf=/etc/fonts/conf.d/99-navik-fonts.conf
    local wanted
    wanted=$(cat <<'XML'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>/usr/share/wine/fonts</dir>
  <!-- Wine's MS Sans Serif is bitmap-only, which Debian's fontconfig rejects; Tahoma, its
       successor as the dialog face, has the widths the dialog layouts were made for. -->
  <alias binding="same"><family>MS Sans Serif</family><accept><family>Tahoma</family></accept></alias>
  <alias binding="same"><family>Arial</family><accept><family>Liberation Sans</family></accept></alias>
</fontconfig>
XML
)
    if [ "$(cat "$conf" 2>/dev/null)" != "$wanted" ]; then
        printf '%s\n' "$wanted" | navik_sudo tee "$conf" >/dev/null
        navik_sudo fc-cache -f >/dev/null 2>&1 || true
    fi
}

navik_setup() {
    navik_install_packages
    navik_install_fonts
}
