#!/usr/bin/env bash
# Sets everything up, builds, and runs every test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/build.sh"
cd "$root/build"
# A virtual display for the tests that play video; the rest run offscreen.
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure
