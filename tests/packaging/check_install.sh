#!/usr/bin/env bash
# The installed program and its package, checked as a desktop would use them.
#
#   check_install.sh SOURCE_DIR BUILD_DIR WORK_DIR
#
# Installs the build into a DESTDIR and validates the menu entry and the AppStream metainfo, checks
# every icon's size, starts the installed program once offscreen, then builds the Debian package
# with scripts/package and reads it back with dpkg-deb.
set -u
src=$1
build=$2
work=$3
failures=0
pass() { echo "PASS: $*"; }
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

rm -rf "$work"
mkdir -p "$work"
root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" ||
  { cat "$work/install.log"; echo "FAIL: cmake --install"; exit 1; }
share=$root/usr/share
installed=(usr/bin/ombrel usr/share/applications/ombrel.desktop
  usr/share/metainfo/org.ombrel.Ombrel.metainfo.xml usr/share/icons/hicolor/scalable/apps/ombrel.svg)
sizes=(16 24 32 48 64 128 256)
for size in "${sizes[@]}"; do installed+=("usr/share/icons/hicolor/${size}x$size/apps/ombrel.png"); done
for file in "${installed[@]}"; do [ -s "$root/$file" ] || fail "not installed: $file"; done

desktop-file-validate "$share/applications/ombrel.desktop" && pass "desktop entry is valid" ||
  fail "desktop-file-validate"
grep -qx 'Categories=Education;Science;' "$share/applications/ombrel.desktop" ||
  fail "the menu entry is not filed under Education and Science"
appstreamcli validate --no-net "$share/metainfo/org.ombrel.Ombrel.metainfo.xml" >"$work/appstream.log" &&
  pass "metainfo is valid" || { cat "$work/appstream.log"; fail "appstreamcli validate"; }

for size in "${sizes[@]}"; do
  png=$share/icons/hicolor/${size}x$size/apps/ombrel.png
  got=$(identify -format '%wx%h' "$png" 2>/dev/null)
  [ "$got" = "${size}x$size" ] || fail "the ${size}x$size icon is $got"
done

# The installed copy, not the build tree's: it has no build paths to lean on. It cannot quit by
# itself, so it passes when it is still running after a few seconds and printed no error.
runtime=$work/xdg-runtime
mkdir -m 700 "$runtime"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$runtime timeout 3 "$root/usr/bin/ombrel" >"$work/run.log" 2>&1
status=$?
if [ $status -eq 124 ] && ! grep -qiE 'error|sanitizer|QPainter::' "$work/run.log"; then
  pass "the installed program runs"
else
  cat "$work/run.log"
  fail "the installed program stopped with status $status or printed an error"
fi

deb=$("$src/scripts/package" "$build" 2>"$work/package.log") ||
  { cat "$work/package.log"; echo "FAIL: scripts/package"; exit 1; }
contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||')
for file in "${installed[@]}"; do
  grep -qx "$file" <<<"$contents" || fail "the package lacks $file"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends does not name Qt's widget library"
IFS=',' read -ra entries <<<"$depends"
for entry in "${entries[@]}"; do
  name=$(sed 's/^ *//; s/[ (].*//' <<<"$entry")
  case "$name" in
    *-dev | libasan* | libubsan* | libtsan* | liblsan*) fail "Depends names $name" ;;
  esac
  dpkg-query -W "$name" >/dev/null 2>&1 || fail "Depends names $name, which is not a Debian package here"
done
[ $failures -eq 0 ] && pass "the package holds the program, menu entry, icons and metainfo"
exit $((failures > 0))
