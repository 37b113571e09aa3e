#!/bin/sh
# Runs a command under a private X server (Xvfb) with a window manager (openbox), as on a desktop.
# The test itself waits until the window manager has taken the screen.
# Without Xvfb or openbox it runs nothing and reports the test as skipped (exit 77).
command -v Xvfb >/dev/null && command -v openbox >/dev/null || { echo "no Xvfb or openbox: skipped"; exit 77; }
number=$(mktemp)
trap 'kill $manager $server 2>/dev/null; rm -f "$number"' EXIT
# The server picks a free display itself and writes its number once it takes connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
server=$!
i=0
until [ -s "$number" ]; do
  i=$((i + 1)); [ $i -gt 400 ] && { echo "Xvfb did not start"; exit 1; }; sleep 0.05
done
export DISPLAY=:$(head -n 1 "$number")
openbox >/dev/null 2>&1 &
manager=$!
QT_QPA_PLATFORM=xcb "$@"
status=$?
exit $status
