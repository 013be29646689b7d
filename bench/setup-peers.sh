#!/usr/bin/env bash
# Installs the peer equalisers the peer benchmark compares against (Debian's LV2 builds).
set -euo pipefail
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends x42-plugins lsp-plugins-lv2 zam-plugins >/dev/null
echo "peers installed: x42 fil4, LSP Parametric Equalizer x16, ZamEQ2 (in /usr/lib/lv2)"
