#!/usr/bin/env bash
# Sets up a Debian machine for Kelvora, builds everything and runs the whole test suite, the
# Debian package's build and check included.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKELVORA_WERROR="$werror" >/dev/null
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 1200

