#!/usr/bin/env bash
# Installs what is missing, builds Lifetally with its tests and runs them headless.
# --sanitize builds and runs the same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
dir=build/test
opts=(-DCMAKE_BUILD_TYPE=Debug -DLIFETALLY_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build/sanitize
  opts=(-DCMAKE_BUILD_TYPE=Debug -DLIFETALLY_SANITIZE=ON)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
cmake -S . -B "$dir" -G Ninja "${opts[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
