#!/usr/bin/env bash
# Set-up, build, and start the console as an installed one runs: from a copy installed into
# build/staged, so it keeps its files in the user's own folder (QUILLO_HOME still overrides)
# and a clean rebuild cannot take them; it finds its bridge and its room beside itself.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --install build --prefix "$PWD/build/staged" >/dev/null
exec ./build/staged/games/quillo "$@"
