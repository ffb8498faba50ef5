#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when some are missing.
set -euo pipefail

packages=(
    g++ cmake make pkg-config
    qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n qt6-l10n-tools libgl-dev libxcb1-dev libxcb-randr0-dev libwayland-dev
    fonts-liberation2 fonts-dejavu-core
    libchm-dev fp-utils
    colord-data
    libgtest-dev libgmock-dev libbenchmark-dev
    poppler-utils
    xvfb xdotool dbus-daemon at-spi2-core python3-pyatspi python3-pytest
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        sudo=sudo
    else
        sudo=
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
