#!/usr/bin/env bash
# Sets everything up and starts the converter; arguments are files, folders or a .tmp list.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/build.sh"
program="$root/build/program/lumora"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found; starting the converter on a virtual X display (xvfb-run)." >&2
  exec xvfb-run -a "$program" "$@"
fi
exec "$program" "$@"
