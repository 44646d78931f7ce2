#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need, when missing.
set -euo pipefail
packages=(cmake g++ make ccache qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libsqlite3-dev libgl-dev
          xvfb xauth xdg-utils fonts-dejavu-core libical-dev pkg-config
          librsvg2-bin tzdata dpkg-dev file lintian desktop-file-utils appstream libqt6sql6-psql postgresql
          libcpp-httplib-dev libssl-dev chromium chromium-driver python3-selenium vdirsyncer
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
