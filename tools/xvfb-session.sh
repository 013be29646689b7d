#!/usr/bin/env bash
# Runs a command on its own Xvfb screen of the given size, with no window manager:
#   tools/xvfb-session.sh 1440x900 COMMAND [ARGS...]
# JUCE 7.0.5 looks up a few window-manager atoms without creating them and aborts with
# BadAtom when they are missing, so they are interned first (-noreset keeps them).
set -euo pipefail
size=$1
shift

fdfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${size}x24" -noreset -nolisten tcp 3>"$fdfile" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -f "$fdfile"' EXIT

for _ in $(seq 100); do
    [ -s "$fdfile" ] && break
    sleep 0.05
done
export DISPLAY=":$(head -n1 "$fdfile")"

atoms=WM_PROTOCOLS,WM_TAKE_FOCUS,WM_DELETE_WINDOW,_NET_WM_PING,WM_CHANGE_STATE,WM_STATE
atoms+=,_NET_WM_WINDOW_TYPE,_NET_WM_STATE,_NET_WM_STATE_HIDDEN,_NET_WM_STATE_FULLSCREEN
atoms+=,_NET_FRAME_EXTENTS,_MOTIF_WM_HINTS,_NET_WM_ALLOWED_ACTIONS,_NET_WM_WINDOW_TYPE_NORMAL
atoms+=,_NET_WM_WINDOW_TYPE_COMBO,_NET_ACTIVE_WINDOW,_NET_WM_NAME,_NET_WM_PID
for atom in ${atoms//,/ }; do
    xprop -root -f FERROX_ATOMS 32a -set FERROX_ATOMS "$atom"
done
xprop -root -remove FERROX_ATOMS

"$@"
