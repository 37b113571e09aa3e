#!/bin/sh
# Installs the Debian packages that building, running and testing yarrowen need; only what is missing.
set -e
PACKAGES="cmake g++ make pkg-config
 qt6-base-dev qt6-declarative-dev qt6-speech-dev qt6-speech-flite-plugin libgl-dev
 libsqlite3-dev libfontconfig-dev libxkbcommon-dev libxkbcommon-x11-dev libxcb1-dev libxcb-xtest0-dev libasound2-dev libgtest-dev
 tzdata
 fonts-dejavu-core fonts-dejavu-extra
 poppler-utils xvfb xauth xdotool imagemagick openbox fluxbox
 clang libclang-rt-dev"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
