#!/usr/bin/env bash
# Installs a built tree twice, under a prefix and staged with DESTDIR, and
# checks that the program, its desktop entry, its AppStream description, its
# icons and its licence are where the desktop looks for them, agree with one
# another and with the project's version, speak English with French
# translations, and pass the freedesktop validators without a remark.
#   install_check.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build=$1
source=$2
id=fr.tramelune.Tramelune
# What appstreamcli's pedantic check may still say. The capital in the
# id follows the desktop entry's reverse-DNS naming, and the id is already
# the desktop file's name and the windows' application id.
allowed_pedantic=(cid-contains-uppercase-letter)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for tool in desktop-file-validate appstreamcli readelf; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/deps.sh --tests installs it)" >&2; exit 1; }
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
  # The program finds Qt where the system keeps it, never through a search
  # path of its own, which a Qt elsewhere could slip into.
  local dynamic search_path
  dynamic=$(readelf -d "$root/bin/tramelune" 2>&1) || fail "$where: readelf cannot read bin/tramelune: $dynamic"
  search_path=$(grep -E '\((RUNPATH|RPATH)\)' <<<"$dynamic" || true)
  [ -z "$search_path" ] || fail "$where: bin/tramelune carries a library search path: $search_path"

  local desktop=$share/applications/$id.desktop
  if [ -f "$desktop" ]; then
    local said
    said=$(desktop-file-validate "$desktop" 2>&1) || fail "$where: desktop entry does not validate"
    [ -z "$said" ] || fail "$where: desktop-file-validate says: $said"
    grep -qx "Exec=tramelune" "$desktop" || fail "$where: Exec is not the installed program"
    grep -qx "Icon=$id" "$desktop" || fail "$where: Icon is not $id"
    grep -qx "Terminal=false" "$desktop" || fail "$where: Terminal is not false"
    grep -qx "StartupNotify=true" "$desktop" || fail "$where: StartupNotify is not true"
    # Every text key in English, each with its French translation.
    local key english french
    for key in Name GenericName Comment Keywords; do
      english=$(sed -n "s/^$key=//p" "$desktop")
      french=$(sed -n "s/^$key\[fr\]=//p" "$desktop")
      [ -n "$english" ] || fail "$where: no $key"
      [ -n "$french" ] || fail "$where: no $key[fr]"
      if [ "$key" != Name ] && [ "$english" = "$french" ]; then
        fail "$where: $key is the French text, not an English one"
      fi
      if printf '%s' "$english" | LC_ALL=C grep -q '[^ -~]'; then
        fail "$where: $key has letters outside English: $english"
      fi
    done
  else
    fail "$where: no desktop entry $desktop"
  fi

  local metainfo=$share/metainfo/$id.metainfo.xml
  if [ -f "$metainfo" ]; then
    local report tag
    # The whole tree: the description, and the desktop entry it launches.
    report=$(appstreamcli validate-tree --no-net --strict --pedantic "$root" 2>&1) \
      || fail "$where: metainfo does not validate: $report"
    for tag in $(printf '%s\n' "$report" | awk '$1 == "P:" {print $3}'); do
      [[ " ${allowed_pedantic[*]} " == *" $tag "* ]] || fail "$where: appstreamcli --pedantic says $tag"
    done
    grep -q "<id>$id</id>" "$metainfo" || fail "$where: metainfo id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
      || fail "$where: metainfo does not launch $id.desktop"
    grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" \
      || fail "$where: metainfo does not say GPL-3.0-or-later"
    grep -q "<metadata_license>CC0-1.0</metadata_license>" "$metainfo" \
      || fail "$where: metainfo's own licence is not CC0-1.0"
    grep -Eq "<release version=\"$version\" date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\"" "$metainfo" \
      || fail "$where: metainfo has no dated release $version"
    local element
    for element in name summary p li; do
      grep -Eq "<$element>" "$metainfo" || fail "$where: metainfo has no English <$element>"
      grep -Eq "<$element xml:lang=\"fr\">" "$metainfo" || fail "$where: metainfo has no French <$element>"
    done
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
      cmp -s "$png" "$build/packaging/icons/${size}x${size}/$id.png" \
        || fail "$where: $png is not the icon the build rendered"
    else
      fail "$where: no icon $png"
    fi
  done
  local svg=$share/icons/hicolor/scalable/apps/$id.svg
  [ -f "$svg" ] && grep -q "<svg" "$svg" || fail "$where: no scalable icon $svg"

  cmp -s "$share/doc/tramelune/COPYING" "$source/COPYING" || fail "$where: no licence text in share/doc/tramelune"
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "FAIL: $build has no project version" >&2; exit 1; }

# The licence is the GPL version 3 as Debian ships it.
if [ -f /usr/share/common-licenses/GPL-3 ]; then
  cmp -s "$source/COPYING" /usr/share/common-licenses/GPL-3 || fail "COPYING is not the GPL version 3"
fi

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
