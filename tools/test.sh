#!/usr/bin/env bash
# Installs what is missing, builds Lifetally with its tests and runs them headless, through the
# `dev` preset of CMakePresets.json.
# --sanitize builds and runs the same tests under AddressSanitizer and UndefinedBehaviorSanitizer
# (the `asan` preset).
# CMAKE_BUILD_PARALLEL_LEVEL and CTEST_PARALLEL_LEVEL set the jobs (default: one a processor).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
preset=dev
if [ "${1:-}" = "--sanitize" ]; then
  preset=asan
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
ctest --preset "$preset" -j "${CTEST_PARALLEL_LEVEL:-$(nproc)}"
