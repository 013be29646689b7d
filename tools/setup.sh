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
    libflac-dev flac
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
for path in "$HOME/.vst3/Ferrox.vst3" "$HOME/.lv2/Ferrox.lv2" "$HOME/.local/bin/Ferrox" "$HOME/.local/bin/ferrox-render"; do
    if [ -e "$path" ]; then
        printf '  %-40s %s\n' "$path" "$(du -sh "$path" | cut -f1)"
    else
        echo "  missing: $path" >&2
        exit 1
    fi
done

# The main job: a demo signal through a real setting, and the response that setting has.
demo=build/demo
mkdir -p "$demo"
render="$HOME/.local/bin/ferrox-render"
"$render" --write-demo "$demo/demo-in.wav" >/dev/null
"$render" "$demo/demo-in.wav" "$demo/demo-out.wav" \
    --set filter1GainID=4 --set lowShelfToggleID=1 --set filter2GainID=-3 --set filter2CutoffID=300 \
    --set filter3GainID=-6 --set filter3QID=0.8 --set filter3CutoffID=3000 --set filter4GainID=3 \
    --set hpCutoffID=30 --set lpCutoffID=18000 \
    --save-state "$demo/demo.state" --response "$demo/response.png" --csv "$demo/response.csv" >/dev/null
echo
echo "Demo rendered:"
echo "  input     $(realpath "$demo/demo-in.wav")   (6 s: a 20 Hz-20 kHz sweep left, noise right)"
echo "  output    $(realpath "$demo/demo-out.wav")"
echo "  response  $(realpath "$demo/response.png")  (table: response.csv, settings: demo.state)"
