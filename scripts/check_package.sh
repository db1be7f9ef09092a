#!/usr/bin/env bash
# Checks a built Kelvora Debian package: its file list, its control fields, its desktop entry,
# and that the program unpacked from it starts and keeps running.
# Usage: scripts/check_package.sh build/kelvora_1.0_amd64.deb
set -uo pipefail

deb=${1:-}
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
  echo "usage: $0 <package.deb> (no such file: '${deb}')" >&2
  exit 2
fi

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
pass() {
  echo "ok: $*"
}

# --- The file list --------------------------------------------------------------------------
listing=$(dpkg-deb -c "$deb") || {
  echo "FAIL: dpkg-deb cannot read $deb" >&2
  exit 1
}

# The type letter and name of one entry, with " -> target" for a link.
entry() {
  awk -v want="./$1" '{
    name = $6
    for (i = 7; i <= NF; i++) name = name " " $i
    split(name, parts, " -> ")
    if (parts[1] == want) { print substr($1, 1, 1) " " name; exit }
  }' <<<"$listing"
}

expect_file() {
  local line
  line=$(entry "$1")
  case "$line" in
    "-"*) pass "file /$1" ;;
    "") fail "the package has no /$1" ;;
    *) fail "/$1 is not a regular file: $line" ;;
  esac
}

expect_link() {
  local line
  line=$(entry "$1")
  case "$line" in
    "l ./$1 -> $2") pass "link /$1 -> $2" ;;
    "") fail "the package has no /$1" ;;
    *) fail "/$1 is not a link to $2: $line" ;;
  esac
}

program=usr/lib/kelvora/kelvora
expect_file "$program"
if ! grep -q "^-rwxr-xr-x .* \./$program\$" <<<"$listing"; then
  fail "/$program is not executable by everyone"
fi
expect_link usr/bin/kelvora ../lib/kelvora/kelvora
converter_program=usr/lib/kelvora/kelvora-convert
expect_file "$converter_program"
if ! grep -q "^-rwxr-xr-x .* \./$converter_program\$" <<<"$listing"; then
  fail "/$converter_program is not executable by everyone"
fi
expect_link usr/bin/kelvora-convert ../lib/kelvora/kelvora-convert
expect_file usr/share/man/man1/kelvora-convert.1.gz
expect_link usr/lib/kelvora/ffmpeg /usr/bin/ffmpeg
expect_file usr/lib/kelvora/res/film.bmp
expect_file usr/lib/kelvora/res/page_sound.bmp
expect_file usr/lib/kelvora/kelvora.chm
expect_file usr/lib/kelvora/kelvora-help/index.html
expect_file usr/share/applications/kelvora.desktop
expect_file usr/share/icons/hicolor/256x256/apps/kelvora.png
expect_file usr/share/icons/hicolor/32x32/apps/kelvora.png

# --- The control fields ---------------------------------------------------------------------
field() {
  dpkg-deb -f "$deb" "$1"
}

# The package names of a relation field, one a line, without versions; alternatives count too.
names() {
  tr ',|' '\n\n' <<<"$1" | sed -e 's/(.*)//' -e 's/\[.*\]//' -e 's/[[:space:]]//g' -e '/^$/d'
}

expect_field() {
  local value
  value=$(field "$1")
  if [ "$value" = "$2" ]; then
    pass "$1: $value"
  else
    fail "$1 is '$value', not '$2'"
  fi
}

# Checks that a relation field names a package matching an extended regular expression.
expect_relation() {
  local value
  value=$(field "$1")
  if names "$value" | grep -Eqx "$2"; then
    pass "$1 names $3"
  else
    fail "$1 does not name $3 ($2): '$value'"
  fi
}

expect_field Package kelvora
expect_field Version 1.0
expect_field Architecture "$(dpkg --print-architecture)"
version=$(field Version)
architecture=$(field Architecture)
if [ "$(basename "$deb")" != "kelvora_${version}_${architecture}.deb" ]; then
  fail "the file is named $(basename "$deb"), not kelvora_${version}_${architecture}.deb"
fi
for name in Maintainer Description Section; do
  [ -n "$(field "$name")" ] || fail "the $name field is empty"
done
expect_relation Depends 'ffmpeg' "the converter"
expect_relation Depends 'libqt6widgets[0-9]+' "Qt's widgets"
expect_relation Depends 'qt6-qpa-plugins' "Qt's platform plugins"
expect_relation Depends 'libavformat[0-9]+' "libavformat"
expect_relation Depends 'libavcodec[0-9]+' "libavcodec"
expect_relation Depends 'libavutil[0-9]+' "libavutil"
expect_relation Recommends 'xchm' "a CHM viewer"
expect_relation Recommends 'xdg-utils' "xdg-open, to open folders and links"
expect_relation Recommends 'qt6-wayland' "Qt's Wayland platform plugin"
expect_relation Recommends 'qt6-translations-l10n' "Qt's own dialog translations"

# --- The unpacked package -------------------------------------------------------------------
root=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  fi
  rm -rf "$root"
}
trap cleanup EXIT

if ! dpkg-deb -x "$deb" "$root/tree"; then
  echo "FAIL: dpkg-deb cannot unpack $deb" >&2
  exit 1
fi

desktop=$root/tree/usr/share/applications/kelvora.desktop
if [ -f "$desktop" ]; then
  if command -v desktop-file-validate >/dev/null; then
    if report=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$report" ]; then
      pass "desktop-file-validate accepts the desktop entry"
    else
      fail "desktop-file-validate rejects the desktop entry: $report"
    fi
  else
    echo "note: desktop-file-validate is not installed (Debian desktop-file-utils)" >&2
  fi
  for line in 'Type=Application' 'Name=Kelvora' 'Exec=kelvora %F' 'Icon=kelvora' \
    'Terminal=false' 'Categories=AudioVideo;Video;AudioVideoEditing;'; do
    grep -qx "$line" "$desktop" || fail "the desktop entry lacks the line $line"
  done
  grep -q '^Comment=.' "$desktop" || fail "the desktop entry has no Comment"
  for language in de fr es pt_BR ru zh_CN; do
    grep -q "^Comment\[$language\]=." "$desktop" || fail "the desktop entry has no Comment in $language"
  done
  # "Open With Kelvora" in file managers: the video and audio types it reads, no folders (that
  # would offer Kelvora as the opener of every folder, its own Open Folder included).
  mimetypes=$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n')
  for type in video/mp4 video/mpeg video/x-ms-wmv video/x-flv video/x-msvideo video/mp2t \
    audio/mpeg audio/x-ms-wma audio/aac audio/ac3; do
    grep -qx "$type" <<<"$mimetypes" || fail "the desktop entry's MimeType lacks $type"
  done
  if grep -qvE '^(video|audio)/|^application/(vnd\.(rn-realmedia|ms-asf)|mxf)$' <<<"$mimetypes"; then
    fail "the desktop entry's MimeType names more than media: $(grep -vE '^(video|audio)/' <<<"$mimetypes" | tr '\n' ' ')"
  fi
fi

# An icon's width and height, read from its PNG header.
png_size() {
  local bytes
  bytes=$(od -An -tu1 -j16 -N8 "$1" | tr -s ' \n' ' ') || return
  read -r w1 w2 w3 w4 h1 h2 h3 h4 <<<"$bytes"
  echo "$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))x$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))"
}
for size in 256x256 32x32; do
  icon=$root/tree/usr/share/icons/hicolor/$size/apps/kelvora.png
  [ -f "$icon" ] || continue
  if [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
    fail "the $size icon is not a PNG picture"
  elif [ "$(png_size "$icon")" != "$size" ]; then
    fail "the $size icon is $(png_size "$icon") pixels"
  else
    pass "the $size icon is a PNG of that size"
  fi
done

launcher=$root/tree/usr/bin/kelvora
if [ -x "$launcher" ]; then
  missing=$(ldd "$launcher" 2>&1 | grep 'not found')
  [ -z "$missing" ] || fail "the program's libraries are missing: $missing"

  # Started through the bin link, from another folder, with a home, settings and runtime folder
  # of its own, so that it neither sees nor changes the settings or the running copy of whoever
  # runs this check.
  mkdir -p "$root/home" "$root/run" "$root/work"
  chmod 700 "$root/run"
  (cd "$root/work" && exec env HOME="$root/home" XDG_CONFIG_HOME="$root/home/.config" \
    XDG_RUNTIME_DIR="$root/run" TMPDIR="$root/run" QT_QPA_PLATFORM=offscreen \
    "$launcher" >"$root/output" 2>&1) &
  pid=$!
  sleep 2
  state=$(awk '{ print $3 }' "/proc/$pid/stat" 2>/dev/null)
  if [ -n "$state" ] && [ "$state" != Z ]; then
    pass "the unpacked program starts and keeps running"
  else
    wait "$pid"
    fail "the unpacked program ended within 2 seconds with status $?: $(cat "$root/output")"
    pid=
  fi
else
  fail "the unpacked /usr/bin/kelvora does not lead to an executable program"
fi

# The command-line converter runs with no display at all, finds the converter beside it, and its
# manual page is the one written from its --help.
convert=$root/tree/usr/bin/kelvora-convert
if [ -x "$convert" ]; then
  headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$root/home")
  if version=$("${headless[@]}" "$convert" --version 2>&1) && [[ "$version" == "kelvora-convert (Kelvora) $(field Version)"* ]]; then
    pass "kelvora-convert --version runs headless: $version"
  else
    fail "kelvora-convert --version failed: $version"
  fi
  if presets=$("${headless[@]}" "$convert" --list-presets 2>&1) && grep -q ' yes$' <<<"$presets"; then
    pass "kelvora-convert --list-presets finds the converter"
  else
    fail "kelvora-convert --list-presets failed or the converter can make nothing: $presets"
  fi
  "${headless[@]}" "$convert" --preset 13 >/dev/null 2>&1
  status=$?
  [ "$status" = 2 ] || fail "kelvora-convert with no files exits with $status, not 2"
else
  fail "the unpacked /usr/bin/kelvora-convert does not lead to an executable program"
fi
page=$root/tree/usr/share/man/man1/kelvora-convert.1.gz
if [ -f "$page" ]; then
  if zcat "$page" | grep -q '^\.SH NAME' && zcat "$page" | grep -q 'list\\-presets'; then
    pass "the manual page holds the program's help"
  else
    fail "the manual page lacks its NAME section or the options"
  fi
fi

if [ "$failures" -gt 0 ]; then
  echo "$deb: $failures check(s) failed" >&2
  exit 1
fi
echo "$deb: the package is sound"
