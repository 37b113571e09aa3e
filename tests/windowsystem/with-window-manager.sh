#!/bin/sh
# Runs a command under a private X server (Xvfb) with a window manager (openbox or fluxbox), as on
# a desktop:  with-window-manager.sh MANAGER COMMAND [ARGS...]
# The test itself waits until the window manager has taken the screen.
# Without Xvfb or the window manager it runs nothing and reports the test as skipped (exit 77).
manager_name=$1
shift
command -v Xvfb >/dev/null && command -v "$manager_name" >/dev/null || { echo "no Xvfb or $manager_name: skipped"; exit 77; }
number=$(mktemp)
home=$(mktemp -d)
trap 'kill $manager $server 2>/dev/null; rm -rf "$number" "$home"' EXIT
# The server picks a free display itself and writes its number once it takes connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
server=$!
i=0
until [ -s "$number" ]; do
  i=$((i + 1)); [ $i -gt 400 ] && { echo "Xvfb did not start"; exit 1; }; sleep 0.05
done
export DISPLAY=:$(head -n 1 "$number")
# A private home keeps the manager's settings from the user's; fluxbox sets no wallpaper there
# (its wallpaper tool would open a message window of its own).
mkdir -p "$home/.fluxbox"
echo "background: none" >"$home/.fluxbox/overlay"
HOME=$home "$manager_name" >/dev/null 2>&1 &
manager=$!
QT_QPA_PLATFORM=xcb "$@"
status=$?
exit $status
