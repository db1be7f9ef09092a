#!/usr/bin/env bash
# Sets up a Debian machine for Kelvora, builds everything, runs the whole test suite, then builds
# the Debian package and checks it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKELVORA_WERROR="$werror" >/dev/null
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 1200

# The Debian package, checked for its files and fields and that the program in it starts.
rm -f build/kelvora_*.deb
if ! (cd build && cpack >cpack.log 2>&1); then
  cat build/cpack.log >&2
  echo "cpack could not build the package" >&2
  exit 1
fi
scripts/check_package.sh build/kelvora_1.0_amd64.deb
