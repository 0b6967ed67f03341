#!/usr/bin/env bash
# Builds the Debian source package and the packages made from it with
# scripts/package (its tests left out: they run on their own) and checks them
# as a user meets them: lintian, the files the game's package unpacks, its
# fields, the debugging symbols, the metadata's validators and translations,
# and the unpacked program itself: its version, its window under Xvfb, the
# window's class that the desktop entry names, and its help book.
#
#   check_package.sh SOURCE_FOLDER BUILD_FOLDER VERSION
set -u
source_dir=$1
build_dir=$2
version=$3

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
failures=0

stop() {
  if [ -n "$1" ]; then
    kill "$1" 2>/dev/null
    wait "$1" 2>/dev/null
  fi
}
cleanup() {
  stop "$game_pid"
  stop "$xvfb_pid"
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

echo "== building the package"
if ! DEB_BUILD_OPTIONS=nocheck "$source_dir/scripts/package" "$build_dir" >"$work/package.log" 2>&1; then
  tail -n 40 "$work/package.log"
  fail "scripts/package"
  exit 1
fi
deb=$(tail -n 1 "$work/package.log")
[ -f "$deb" ] || { fail "the last line of scripts/package is not the package: $deb"; exit 1; }
echo "$deb"
changes=$(dirname "$deb")/tumbleroad_${version}_$(dpkg --print-architecture).changes
dbgsym=$(dirname "$deb")/tumbleroad-dbgsym_${version}_$(dpkg --print-architecture).deb

echo "== lintian"
# The source package and both binary packages, through the .changes.
lintian --pedantic --display-info --fail-on error,warning "$changes" >"$work/lintian" 2>&1 ||
  fail "lintian reports errors or warnings"
grep -v 'running with root privileges' "$work/lintian"

echo "== fields"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tumbleroad ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), not $version"
[ "$(field Section)" = games ] || fail "Section is $(field Section)"
[ "$(field Recommends)" = "qt6-translations-l10n, qt6-wayland" ] || fail "Recommends is $(field Recommends)"
for library in libqt6widgets6 libqt6gui6 libqt6core6 libfontconfig1 libc6; do
  field Depends | grep -q "\b$library (>= " || fail "Depends lacks $library: $(field Depends)"
done

echo "== contents"
# Everything belongs to root; folders and the program are 755, other files 644.
dpkg-deb --contents "$deb" | awk '
  $2 != "root/root" { print "not owned by root: " $6 }
  /^d/ && $1 != "drwxr-xr-x" { print "folder " $6 " is " $1 }
  /^-/ && $6 == "./usr/games/tumbleroad" && $1 != "-rwxr-xr-x" { print "program is " $1 }
  /^-/ && $6 != "./usr/games/tumbleroad" && $1 != "-rw-r--r--" { print $6 " is " $1 }
' >"$work/modes"
[ -s "$work/modes" ] && fail "ownership or permissions: $(cat "$work/modes")"

root=$work/root
dpkg-deb --extract "$deb" "$root"
app_id=io.github.tumbleroad.Tumbleroad
expected=(
  usr/games/tumbleroad
  usr/share/applications/$app_id.desktop
  usr/share/metainfo/$app_id.metainfo.xml
  usr/share/man/man6/tumbleroad.6.gz
  usr/share/doc/tumbleroad/copyright
  usr/share/doc/tumbleroad/changelog.gz
  usr/share/tumbleroad/help/TumbleroadHlp.html
)
for size in 16 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x$size/apps/$app_id.png")
done
for file in "${expected[@]}"; do
  [ -f "$root/$file" ] || fail "the package lacks /$file"
done
# Every page of every language's book.
for page in $(cd "$source_dir/res/help" && find . -type f -name '*.html'); do
  [ -f "$root/usr/share/tumbleroad/help/$page" ] || fail "the package lacks the help page $page"
done
file "$root/usr/games/tumbleroad" | grep -q ', stripped' || fail "the program is not stripped"
# The symbols stripped from the program are found by its build id.
build_id=$(readelf --notes "$root/usr/games/tumbleroad" | awk '/Build ID:/ { print $3 }')
[ -n "$build_id" ] || fail "the program has no build id"
dpkg-deb --contents "$dbgsym" 2>/dev/null |
  grep -q "\./usr/lib/debug/\.build-id/${build_id:0:2}/${build_id:2}\.debug$" ||
  fail "$(basename "$dbgsym") lacks the symbols of build id $build_id"
for compressed in usr/share/man/man6/tumbleroad.6.gz usr/share/doc/tumbleroad/changelog.gz; do
  gzip --test "$root/$compressed" 2>/dev/null || fail "/$compressed is not gzip"
done
zcat "$root/usr/share/man/man6/tumbleroad.6.gz" | grep -q "^\.TH TUMBLEROAD 6 .*$version" ||
  fail "the manual page is not of section 6 or names another version"
zcat "$root/usr/share/doc/tumbleroad/changelog.gz" | head -n 1 | grep -q "^tumbleroad ($version)" ||
  fail "the changelog does not start with $version"

echo "== metadata"
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli validate"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || fail "desktop-file-validate"
"$source_dir/tests/package/check_translated_metadata.sh" "$source_dir/po" \
  "$root/usr/share/applications/$app_id.desktop" "$metainfo" || fail "the installed translations"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo's release is not $version"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" ||
  fail "the metainfo's licence is not GPL-3.0-or-later"
homepage=$(sed -n 's|.*<url type="homepage">\(.*\)</url>.*|\1|p' "$metainfo")
if [ -z "$homepage" ] || [ "$(field Homepage)" != "$homepage" ]; then
  fail "the package's Homepage '$(field Homepage)' is not the metainfo's '$homepage'"
fi

echo "== the unpacked program"
program=$root/usr/games/tumbleroad
[ "$("$program" --version)" = "tumbleroad (Tumbleroad) $version" ] ||
  fail "--version prints: $("$program" --version)"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
if [ -s "$work/display" ]; then
  export DISPLAY=:$(cat "$work/display")
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
  "$program" >"$work/game.log" 2>&1 &
  game_pid=$!
  # --all: by default xdotool takes a window that meets any one condition.
  window=$(timeout 20 xdotool search --sync --all --onlyvisible --pid "$game_pid" --name '^Tumbleroad$' |
    head -n 1)
  if [ -n "$window" ]; then
    # Docks match the window to its menu entry by the class of the window.
    wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
    startup_class=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/$app_id.desktop")
    if [ -z "$wm_class" ] || [ "$wm_class" != "$startup_class" ]; then
      fail "the window's class is '$wm_class', the desktop entry names '$startup_class'"
    fi
    # The book is found from where the program sits: /usr/games/../share/tumbleroad/help.
    xdotool windowfocus --sync "$window" 2>/dev/null
    xdotool key F1
    timeout 20 xdotool search --sync --all --onlyvisible --pid "$game_pid" --name '^Tumbleroad Help' \
      >/dev/null || fail "F1 did not open the help book"
  else
    fail "the program showed no window: $(cat "$work/game.log")"
  fi
  stop "$game_pid"
  game_pid=""
else
  fail "Xvfb did not start"
fi

echo "== $failures failed"
[ "$failures" -eq 0 ]
