#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game (arguments are passed
# on: "BoardGame" selects the board game).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec ./build/bin/mordaventa "$@"
