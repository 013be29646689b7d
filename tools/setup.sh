#!/usr/bin/env bash
# Brings a fresh Debian machine to a Release build of every format, installs the plug-ins for
# this user (~/.vst3, ~/.lv2, ~/.local/bin) and runs the main job. Safe to run again: it only
# installs what is missing and only rebuilds what changed.
#
#   tools/setup.sh            everything
#   tools/setup.sh --deps     only the Debian packages (used by tools/test.sh)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake ninja-build pkg-config
    juce-modules-source
    libasound2-dev libfreetype-dev libfontconfig1-dev
    libx11-dev libxcomposite-dev libxcursor-dev libxext-dev libxinerama-dev libxrandr-dev libxrender-dev
    libgl1-mesa-dev
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth x11-utils
    fonts-dejavu-core imagemagick
)

install_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

install_packages
[ "${1:-}" = "--deps" ] && exit 0

[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build
cmake --install build >/dev/null

echo
echo "Installed for $(id -un):"
for path in "$HOME/.vst3/Ferrox.vst3" "$HOME/.lv2/Ferrox.lv2" "$HOME/.local/bin/Ferrox"; do
    if [ -e "$path" ]; then
        printf '  %-40s %s\n' "$path" "$(du -sh "$path" | cut -f1)"
    else
        echo "  missing: $path" >&2
        exit 1
    fi
done
