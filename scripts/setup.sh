#!/usr/bin/env bash
# Installs the Debian packages the suite needs (only those missing), then configures and
# builds in build/. Sourced by run.sh and test.sh.
set -euo pipefail

PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-multimedia-dev libgl-dev libfontconfig-dev
  libgtest-dev locales
  fonts-arphic-ukai fonts-arphic-uming fonts-noto-cjk fonts-wqy-zenhei fonts-liberation
)

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-missing.sh" "${PACKAGES[@]}"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$(nproc)"
