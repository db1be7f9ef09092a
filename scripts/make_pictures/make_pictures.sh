#!/usr/bin/env bash
# Builds the picture generator in a scratch folder and writes every picture into res/.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
work="${TMPDIR:-/tmp}/kelvora-make-pictures"
cmake -S "$here" -B "$work" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work" -j2 >/dev/null
QT_QPA_PLATFORM=offscreen "$work/make_pictures" "$repo/res"
