#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite:
# once in the ordinary debug build, then again built with AddressSanitizer and
# UndefinedBehaviorSanitizer. `scripts/test.sh --quick` skips the second run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

echo "== Suite de tests (build/)"
cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"
ctest --preset default

if [[ "${1:-}" != "--quick" ]]; then
    echo "== Suite de tests sous AddressSanitizer et UBSan (build-asan/)"
    cmake --preset asan >/dev/null
    cmake --build --preset asan -j "$jobs"
    ctest --preset asan
fi
