#!/bin/sh
# Installs the built tree into a scratch prefix and packs it as cpack does, then checks what a user
# gets: the two programs in bin/, a valid desktop entry, the icons, the manual page, and a Debian
# package holding the same with its dependencies (libraries found by dpkg-shlibdeps, the fonts).
# Usage: install_package_test.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$dir/root" >/dev/null
for f in bin/zlecenix bin/zlecenix-cli share/applications/zlecenix.desktop \
         share/icons/hicolor/scalable/apps/zlecenix.svg share/icons/hicolor/16x16/apps/zlecenix.png \
         share/icons/hicolor/48x48/apps/zlecenix.png share/icons/hicolor/256x256/apps/zlecenix.png \
         share/man/man1/zlecenix-cli.1; do
  [ -f "$dir/root/$f" ] || fail "not installed: $f"
done
desktop-file-validate "$dir/root/share/applications/zlecenix.desktop" || fail "desktop entry not valid"
grep -qx 'Categories=Office;Finance;' "$dir/root/share/applications/zlecenix.desktop" || fail "categories"
grep -qx 'Exec=zlecenix' "$dir/root/share/applications/zlecenix.desktop" || fail "Exec"
# The installed programs run from the prefix, with no display.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$dir/root/bin/zlecenix" --version | grep -q '^zlecenix ' \
  || fail "zlecenix --version"
"$dir/root/bin/zlecenix-cli" --version | grep -q '^zlecenix-cli ' || fail "zlecenix-cli --version"
head -n 1 "$dir/root/share/man/man1/zlecenix-cli.1" | grep -q '^\.TH ZLECENIX-CLI 1' || fail "manual page"

# The package, from the same tree (gzip: quick; scripts/package uses the default).
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$dir/deb" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >/dev/null
deb=$(ls "$dir"/deb/zlecenix_*.deb)
[ "$(dpkg-deb -f "$deb" Package)" = zlecenix ] || fail "package name"
dpkg-deb -c "$deb" | awk '{print $NF}' > "$dir/files"
for f in ./usr/bin/zlecenix ./usr/bin/zlecenix-cli ./usr/share/applications/zlecenix.desktop \
         ./usr/share/icons/hicolor/scalable/apps/zlecenix.svg ./usr/share/icons/hicolor/128x128/apps/zlecenix.png \
         ./usr/share/man/man1/zlecenix-cli.1; do
  grep -qx "$f" "$dir/files" || fail "not in the package: $f"
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in fonts-liberation fonts-dejavu-core libqt6widgets6 libqt6printsupport6 libqt6gui6 libsqlite3-0 \
         libzip4 libmdb3 libicu72 libfmt9 libc6; do
  echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -qx "$d" || fail "no dependency on $d: $depends"
done
echo "package $(basename "$deb"): $depends"
