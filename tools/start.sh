#!/usr/bin/env bash
# Installs what is missing, builds Lifetally and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release --target lifetally
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Lifetally is built (build/release/lifetally), but there is no display to show it on." >&2
  echo "Run this from a desktop session, or under a virtual display: xvfb-run -a build/release/lifetally" >&2
  exit 1
fi
exec build/release/lifetally
