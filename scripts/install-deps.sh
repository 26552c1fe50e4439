#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, if any is missing;
# further packages named as arguments are installed with them.
set -euo pipefail

packages=(g++ cmake make qt6-base-dev qt6-tools-dev qt6-charts-dev libqt6opengl6-dev qt6-l10n-tools libgl-dev fonts-dejavu-core xvfb xauth xdotool xclip poppler-utils
          x11-utils qt6-translations-l10n desktop-file-utils appstream dpkg-dev file chromium chromium-driver
          python3-selenium "$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
