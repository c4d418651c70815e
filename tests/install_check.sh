#!/usr/bin/env bash
# Installs a built tree twice, under a prefix and staged with DESTDIR, and
# checks that the program, its desktop entry, its AppStream description and
# its icons are where the desktop looks for them, agree with one another and
# pass the freedesktop validators.
#   install_check.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build=$1
source=$2
id=fr.tramelune.Tramelune

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/deps.sh installs it)" >&2; exit 1; }
done

# Width and height of a PNG, read from its IHDR chunk.
png_size() {
  local bytes
  bytes=$(od -An -tx1 -j16 -N8 "$1" | tr -d ' \n')
  echo "$((16#${bytes:0:8}))x$((16#${bytes:8:8}))"
}

check_tree() {
  local root=$1 where=$2
  local share=$root/share
  echo "== $where"

  [ -x "$root/bin/tramelune" ] || fail "$where: bin/tramelune is not an installed program"

  local desktop=$share/applications/$id.desktop
  if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "$where: desktop entry does not validate"
    grep -qx "Exec=tramelune" "$desktop" || fail "$where: Exec is not the installed program"
    grep -qx "Icon=$id" "$desktop" || fail "$where: Icon is not $id"
    grep -qx "Terminal=false" "$desktop" || fail "$where: Terminal is not false"
  else
    fail "$where: no desktop entry $desktop"
  fi

  local metainfo=$share/metainfo/$id.metainfo.xml
  if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net --strict "$metainfo" || fail "$where: metainfo does not validate"
    grep -q "<id>$id</id>" "$metainfo" || fail "$where: metainfo id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
      || fail "$where: metainfo does not launch $id.desktop"
  else
    fail "$where: no metainfo $metainfo"
  fi

  local size png
  for size in 16 32 48 64 128; do
    png=$share/icons/hicolor/${size}x${size}/apps/$id.png
    if [ -f "$png" ]; then
      [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] \
        || fail "$where: $png is not a PNG"
      [ "$(png_size "$png")" = "${size}x${size}" ] \
        || fail "$where: $png is $(png_size "$png"), not ${size}x${size}"
    else
      fail "$where: no icon $png"
    fi
  done
  local svg=$share/icons/hicolor/scalable/apps/$id.svg
  [ -f "$svg" ] && grep -q "<svg" "$svg" || fail "$where: no scalable icon $svg"
}

# The program names its windows after the same desktop entry.
grep -q "kDesktopFileName = \"$id\"" "$source/app/Startup.h" \
  || fail "app/Startup.h does not name the desktop entry $id"

cmake --install "$build" --prefix "$work/prefix" >/dev/null
check_tree "$work/prefix" "--prefix"

DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >/dev/null
check_tree "$work/stage/usr" "DESTDIR"
[ -z "$(find "$work/stage" -mindepth 1 -maxdepth 1 ! -name usr)" ] \
  || fail "DESTDIR: files outside the prefix: $(find "$work/stage" -mindepth 1 -maxdepth 1 ! -name usr)"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "installation complete and valid"
