#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Kelvora need, and nothing
# when they are all present already. Sourced by run.sh and test.sh.
kelvora_packages=(
  g++ cmake pkg-config make
  qt6-base-dev qt6-qpa-plugins
  libavformat-dev libavcodec-dev libavutil-dev ffmpeg
  libsimpleini-dev
  fp-utils
  fontconfig fonts-dejavu-core fonts-wqy-microhei
  xvfb xdotool x11-utils
  weston qt6-wayland
  dpkg-dev desktop-file-utils
  dbus-daemon
  help2man parallel clang-format
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)

kelvora_missing_packages() {
  local p missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  echo "${missing[@]}"
}

kelvora_install_packages() {
  local missing
  missing=$(kelvora_missing_packages "$@")
  [ -z "$missing" ] && return 0
  local sudo=
  [ "$(id -u)" = 0 ] || sudo=sudo
  echo "Installing: $missing"
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

kelvora_install_packages "${kelvora_packages[@]}"
