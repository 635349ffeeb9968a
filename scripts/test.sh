#!/usr/bin/env bash
# Builds the program and its tests (installing what they need) and runs every test headless.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh" --tests
cd "$root/build"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure -j"$(nproc)" "$@"
