#!/usr/bin/env bash
# What the built Debian package holds, checked the way Debian and the
# desktop check it: lintian finds no error and no warning (what is left is
# explained in debian/sumimai.lintian-overrides), the desktop entries and
# the metainfo validate, every program in usr/bin has its manual page in
# English and in Japanese, every
# entry's program and icon (in at least three sizes) are there, all of data/
# is installed beside the catalogues of messages, and the versions agree.
#   package_contents.sh SUMIMAI_DEB
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

lintian --fail-on error,warning --display-info "$deb" || fail "lintian"
echo "lintian: no error, no warning"

dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"

for program in "$root"/usr/bin/*; do
  name=$(basename "$program")
  [ -f "$root/usr/share/man/man1/$name.1.gz" ] || fail "$name has no manual page"
  [ -f "$root/usr/share/man/ja/man1/$name.1.gz" ] || fail "$name has no Japanese manual page"
done

# The value of a key of a desktop entry.
entry_value() { sed -n "s/^$2=//p" "$1"; }
entries=("$root"/usr/share/applications/*.desktop)
[ ${#entries[@]} -eq 3 ] || fail "${#entries[@]} desktop entries, not one for each program"
for entry in "${entries[@]}"; do
  exec_line=$(entry_value "$entry" Exec)
  case $exec_line in
    *SUMIMAI_FOLDER=user*) ;;
    *) fail "$(basename "$entry") does not start its program in the user's folder" ;;
  esac
  exec_name=$(entry_value "$entry" TryExec)
  [[ $exec_line == *"exec $exec_name\"" || $exec_line == *"exec $exec_name "* ]] || fail "$(basename "$entry") starts another program than $exec_name"
  [ -x "$root/usr/bin/$exec_name" ] || fail "$(basename "$entry") starts $exec_name, which is not installed"
  icon=$(entry_value "$entry" Icon)
  sizes=$(find "$root/usr/share/icons/hicolor" -name "$icon.png" | wc -l)
  [ "$sizes" -ge 3 ] || fail "the icon $icon comes in $sizes sizes"
  [ -n "$(entry_value "$entry" StartupWMClass)" ] || fail "$(basename "$entry") names no window class"
done

diff <(cd "$top/data" && find . | sort) <(cd "$root/usr/share/sumimai" && find . -path ./translations -prune -o -print | sort) ||
  fail "usr/share/sumimai does not hold all of data/"
[ -f "$root/usr/share/sumimai/translations/sumimai_ja.qm" ] || fail "the Japanese messages are not installed"
[ -f "$root/usr/share/sumimai/translations/sumimai_en.qm" ] || fail "the English messages are not installed"

package_version=$(dpkg-deb -f "$deb" Version)
project_version=$(sed -n 's/^project(Sumimai VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
release_version=$(grep -o '<release version="[^"]*"' "$root"/usr/share/metainfo/*.xml | head -n 1 | cut -d'"' -f2)
[ "$package_version" = "$project_version" ] && [ "$release_version" = "$project_version" ] ||
  fail "versions differ: package $package_version, CMake $project_version, metainfo $release_version"
echo "package_contents: ok"
