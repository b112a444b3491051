#!/usr/bin/env bash
# Installs what is missing, builds Lifetally (the `run` preset: a Release build of the program
# alone) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake --preset run >/dev/null
cmake --build --preset run
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Lifetally is built (build/run/lifetally), but there is no display to show it on." >&2
  echo "Run this from a desktop session, or under a virtual display: xvfb-run -a build/run/lifetally" >&2
  exit 1
fi
exec build/run/lifetally
