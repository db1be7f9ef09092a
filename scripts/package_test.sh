#!/usr/bin/env bash
# Builds the Debian package in the build folder $1 and checks it: run by ctest.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
rm -f "$build"/kelvora_*.deb
if ! (cd "$build" && cpack >cpack.log 2>&1); then
  cat "$build/cpack.log" >&2
  echo "cpack could not build the package" >&2
  exit 1
fi
"$here/check_package.sh" "$build/kelvora_1.0_amd64.deb"
