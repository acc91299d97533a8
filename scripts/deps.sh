#!/usr/bin/env bash
# Installs the Debian packages the quiz needs to build and run ("run"), or to
# build and run its tests headless ("test"). Only what is missing is installed.
set -euo pipefail
what=${1:-run}
pkgs=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev
      libgl-dev libfluidsynth-dev fonts-dejavu-core)
case "$what" in
  run)  pkgs+=(fluid-soundfont-gm) ;;
  test) pkgs+=(timgm6mb-soundfont xvfb xauth xdotool dpkg-dev desktop-file-utils appstream) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=; [ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
