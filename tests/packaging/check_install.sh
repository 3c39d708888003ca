#!/usr/bin/env bash
# The installed program and its package, checked as a desktop would use them.
#
#   check_install.sh SOURCE_DIR BUILD_DIR WORK_DIR
#
# Installs the build into a DESTDIR and validates the menu entry and the AppStream metainfo, checks
# every icon's size, that the desktop's file type detection knows a saved lesson, starts the
# installed program once offscreen, then builds the Debian package with scripts/package, reads it
# back with dpkg-deb and has lintian check it.
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
  usr/share/metainfo/org.ombrel.Ombrel.metainfo.xml usr/share/icons/hicolor/scalable/apps/ombrel.svg
  usr/share/icons/hicolor/scalable/mimetypes/application-x-ombrel.svg
  usr/share/mime/packages/ombrel.xml usr/share/man/man1/ombrel.1.gz
  usr/share/doc/ombrel/copyright usr/share/doc/ombrel/changelog.Debian.gz)
sizes=(16 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
  installed+=("usr/share/icons/hicolor/${size}x$size/apps/ombrel.png"
    "usr/share/icons/hicolor/${size}x$size/mimetypes/application-x-ombrel.png")
done
for file in "${installed[@]}"; do [ -s "$root/$file" ] || fail "not installed: $file"; done

desktop-file-validate "$share/applications/ombrel.desktop" && pass "desktop entry is valid" ||
  fail "desktop-file-validate"
grep -qx 'Categories=Education;Science;' "$share/applications/ombrel.desktop" ||
  fail "the menu entry is not filed under Education and Science"
grep -qx 'Exec=ombrel %f' "$share/applications/ombrel.desktop" &&
  grep -qx 'MimeType=application/x-ombrel;' "$share/applications/ombrel.desktop" ||
  fail "the menu entry does not open lessons (Exec with %f, MimeType application/x-ombrel)"
appstreamcli validate --no-net "$share/metainfo/org.ombrel.Ombrel.metainfo.xml" >"$work/appstream.log" &&
  pass "metainfo is valid" || { cat "$work/appstream.log"; fail "appstreamcli validate"; }

for size in "${sizes[@]}"; do
  for png in "$share/icons/hicolor/${size}x$size/"{apps/ombrel,mimetypes/application-x-ombrel}.png; do
    got=$(identify -format '%wx%h' "$png" 2>/dev/null)
    [ "$got" = "${size}x$size" ] || fail "${png#"$root"} is $got"
  done
done

# The file type as a desktop sees it, in a MIME database of only Ombrel's type: never the
# system's or the user's. A saved lesson is known by its name and, renamed, by its content; other
# JSON is not taken for a lesson. Without the type the lesson is not recognised: that shows the
# database asked is this one.
mime=$work/mime
mkdir -p "$mime/data/mime/packages" "$mime/home" "$mime/files"
lesson=$src/tests/files/lessons/occluder.ombrel
cp "$lesson" "$mime/files/lesson.ombrel"
cp "$lesson" "$mime/files/lesson"
printf '{\n    "format": "Ombrel palette",\n    "version": 2\n}\n' >"$mime/files/palette"
in_mime_env() {
  env -i PATH="$PATH" HOME="$mime/home" XDG_DATA_HOME="$mime/home" XDG_DATA_DIRS="$mime/data" \
    GIO_USE_VFS=local "$@"
}
file_type() {
  in_mime_env gio info -a standard::content-type,standard::icon "$mime/files/$1" 2>&1 |
    sed -n "s/^ *standard::$2: //p"
}
type_before=$(file_type lesson.ombrel content-type)
cp "$share/mime/packages/ombrel.xml" "$mime/data/mime/packages/"
if in_mime_env update-mime-database "$mime/data/mime" >"$work/mime.log" 2>&1; then
  pass "update-mime-database reads the file type"
else
  cat "$work/mime.log"
  fail "update-mime-database"
fi
for name in lesson.ombrel lesson; do
  got=$(file_type "$name" content-type)
  [ "$got" = application/x-ombrel ] || fail "a saved lesson named $name is taken for “$got”"
done
got=$(file_type palette content-type)
[ "$got" != application/x-ombrel ] || fail "JSON that is not a lesson is taken for one"
[ "$type_before" != application/x-ombrel ] ||
  fail "lessons were recognised without Ombrel's file type: the check did not use its own database"
icon=$(file_type lesson.ombrel icon)
[ "${icon%%,*}" = application-x-ombrel ] ||
  fail "a lesson's icon is “$icon”, not the application-x-ombrel that is installed"

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

# One licence everywhere: the licence file is Apache's text, and the package's copyright file and
# the metainfo name it.
cmp -s "$src/LICENSE" /usr/share/common-licenses/Apache-2.0 ||
  fail "LICENSE is not the Apache License 2.0"
grep -Pzq 'Files: \*\nCopyright: [^\n]+\nLicense: Apache-2.0\n' "$root/usr/share/doc/ombrel/copyright" ||
  fail "the copyright file does not license Ombrel's files under Apache-2.0"
grep -q '<project_license>Apache-2.0</project_license>' \
  "$share/metainfo/org.ombrel.Ombrel.metainfo.xml" || fail "the metainfo names no Apache-2.0 licence"

deb=$("$src/scripts/package" "$build" 2>"$work/package.log") ||
  { cat "$work/package.log"; echo "FAIL: scripts/package"; exit 1; }
contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||')
for file in "${installed[@]}"; do
  grep -qx "$file" <<<"$contents" || fail "the package lacks $file"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends does not name Qt's widget library"
grep -q 'qt6-translations-l10n' <<<"$depends" || fail "Depends does not name Qt's translations"
IFS=',' read -ra entries <<<"$depends"
for entry in "${entries[@]}"; do
  name=$(sed 's/^ *//; s/[ (].*//' <<<"$entry")
  case "$name" in
    *-dev | libasan* | libubsan* | libtsan* | liblsan*) fail "Depends names $name" ;;
  esac
  dpkg-query -W "$name" >/dev/null 2>&1 || fail "Depends names $name, which is not a Debian package here"
done

# The package, the program and the changelog's newest entry give one version.
version=$(dpkg-deb -f "$deb" Version)
zcat "$root/usr/share/doc/ombrel/changelog.Debian.gz" >"$work/changelog"
newest=$(dpkg-parsechangelog -l "$work/changelog" -S Version 2>&1)
[ "$newest" = "$version" ] ||
  fail "the package is version $version but its changelog's newest entry is $newest"
says=$("$root/usr/bin/ombrel" --version 2>"$work/version.log")
[ "$says" = "Ombrel ${version%-*}" ] ||
  fail "the package is version $version but the program says “$says”"

# Debian's own checks, every level shown; an error or a warning fails. It takes seconds: a hang
# is named here rather than left to the suite's time limit.
timeout 300 lintian --fail-on error,warning --info --display-info --pedantic "$deb" \
  >"$work/lintian.log" 2>"$work/lintian.err"
status=$?
if [ $status -eq 0 ]; then
  pass "lintian finds no error or warning"
  [ -s "$work/lintian.log" ] && { echo "lintian notes:"; cat "$work/lintian.log"; }
else
  cat "$work/lintian.log" "$work/lintian.err"
  [ $status -eq 124 ] && fail "lintian did not finish in 300 seconds" || fail "lintian"
fi
[ $failures -eq 0 ] && pass "the package holds the program, menu entry, icons, metainfo and documents"
exit $((failures > 0))
