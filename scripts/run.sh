#!/usr/bin/env bash
# Builds the program (installing what it needs) and starts it with the given files and folders.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
exec "$root/build/bin/vantrel" "$@"
