#!/usr/bin/env bash
# Sets up a Debian machine for Kelvora, builds it (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target kelvora -j"$(nproc)"
cd build
exec ./kelvora "$@"
