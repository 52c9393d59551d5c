#!/bin/sh
# Builds the Debian package from a build folder and checks what it declares and installs, in
# a root of its own.   Usage: check-package.sh <build folder>
set -eu
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The package's architecture follows the program's: ELF machine 40 is 32-bit ARM.
machine=$(od -An -tu2 -j18 -N2 "$build/Korvelin" | tr -d ' ')
case $machine in
    40) arch=armhf ;;
    62) arch=amd64 ;;
    183) arch=arm64 ;;
    *) fail "unknown ELF machine $machine" ;;
esac

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
set -- "$work"/korvelin_*_"$arch".deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "no korvelin_<version>_$arch.deb: $(ls "$work")"
deb=$1

info=$(dpkg-deb --info "$deb")
echo "$info" | grep -qx " Package: korvelin" || fail "package name"
echo "$info" | grep -qx " Architecture: $arch" || fail "architecture, expected $arch"
depends=$(echo "$info" | sed -n 's/^ Depends: //p')
for d in libc6 'libqt[56]core' 'libqt[56]widgets' 'libqt[56]sql[56]-sqlite' fonts-noto-cjk; do
    echo "$depends" | grep -q "$d" || fail "Depends lacks $d: $depends"
done

contents=$(dpkg-deb --contents "$deb")
for path in ./opt/korvelin/Korvelin ./opt/korvelin/Korvelin_zh_CN.qm ./opt/korvelin/Korvelin_zh_TW.qm \
        ./opt/korvelin/firmware.rcc ./opt/korvelin/SourceHanSans-Light.ttc \
        ./opt/Zynq/Qt-4.8.6/translations/py.db \
        ./usr/bin/korvelin-start ./lib/systemd/system/korvelin.service; do
    echo "$contents" | grep -q " $path\( \|$\)" || fail "$path not in the package"
done
# Nothing outside the camera's places, and no file of the build machine's own paths.
echo "$contents" | awk '{print $6}' | grep -v '^\./\(opt\|usr\|lib\)\(/\|$\)' | grep -v '^\./$' \
    && fail "files outside /opt, /usr and /lib"

dpkg-deb -x "$deb" "$work/root"
[ -x "$work/root/opt/korvelin/Korvelin" ] || fail "the program is not executable"
[ -x "$work/root/usr/bin/korvelin-start" ] || fail "the start script is not executable"
[ "$(od -An -tu2 -j18 -N2 "$work/root/opt/korvelin/Korvelin" | tr -d ' ')" = "$machine" ] \
    || fail "the installed program is not the built one"
grep -q '^ExecStart=/usr/bin/korvelin-start$' "$work/root/lib/systemd/system/korvelin.service" \
    || fail "the unit does not run the start script"
echo "korvelin_*_$arch.deb: $(stat -c %s "$deb") bytes, $(echo "$contents" | wc -l) entries"
