#!/usr/bin/env bash
# Writes screenshots of the converter's windows into docs/screenshots/ (or the
# folder given as the first argument), on a virtual X display. Not a test:
# run it after changing how a window looks, then look at the pictures.
#
#   bash scripts/screenshots.sh [output folder] [build folder]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
output="$(realpath -m "${1:-$root/docs/screenshots}")"
build="${2:-$root/build}"

if [ ! -f "$build/CMakeCache.txt" ]; then
  bash "$root/scripts/setup.sh"
  cmake -S "$root" -B "$build" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target lumora_screenshots -j"$(nproc)"
tool="$(find "$build" -type f -name lumora_screenshots -perm -u+x | head -n 1)"
if [ -z "$tool" ]; then
  echo "lumora_screenshots was not built; is tools/ added to the top-level CMakeLists.txt?" >&2
  exit 1
fi

mkdir -p "$output"
# A fixed-size screen with a common depth so the pictures are comparable.
xvfb-run -a -s "-screen 0 1280x900x24" "$tool" "$output"
echo "Screenshots are in $output"
