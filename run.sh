#!/usr/bin/env bash
# Installs what is missing, builds, and starts Brenvale in build/dist/.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/setup.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display (DISPLAY is not set); Brenvale needs a desktop session to start." >&2
  exit 1
fi
cd "$root/build/dist"
exec ./Brenvale
