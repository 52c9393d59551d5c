#!/usr/bin/env bash
# Builds Korvelin for the camera's board (32-bit ARM, armhf) on a Debian bookworm PC, Release and
# Debug, into build-armhf/; installs what it needs first, as the README's commands do.
#   tools/cross-build.sh             build Qt 6 Release and Debug
#   tools/cross-build.sh --test      also run every test of the Debug build under qemu
#   tools/cross-build.sh --package   also make the .deb package from the Release build
#   QT=5 tools/cross-build.sh ...    the same against Qt 5.15 (build-armhf/qt5-release, ...)
set -euo pipefail
cd "$(dirname "$0")/.."
major=${QT:-6}
test=no
package=no
for arg in "$@"; do
    case $arg in
        --test) test=yes ;;
        --package) package=yes ;;
        *) echo "usage: [QT=5] $0 [--test] [--package]" >&2; exit 2 ;;
    esac
done

sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo

# The build machine's own Qt supplies moc, uic, rcc and lrelease.
tools/install-deps.sh "$major"

if ! dpkg --print-foreign-architectures | grep -qx armhf; then
    $sudo dpkg --add-architecture armhf
    $sudo apt-get update -q
fi
packages=(crossbuild-essential-armhf qemu-user-static)
if [ "$major" = 5 ]; then
    packages+=(qtbase5-dev:armhf qttools5-dev:armhf libqt5sql5-sqlite:armhf libqt5svg5-dev:armhf)
else
    packages+=(qt6-base-dev:armhf qt6-tools-dev:armhf qt6-svg-dev:armhf libqt6sql6-sqlite:armhf)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

prefix=""
[ "$major" = 5 ] && prefix=qt5-
# Two cores are often shared: build at a lower priority.
for type in Release Debug; do
    build=build-armhf/$prefix${type,,}
    cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/armhf.cmake" \
        -DKORVELIN_QT_MAJOR="$major" -DCMAKE_BUILD_TYPE="$type" >/dev/null
    nice -n 10 cmake --build "$build" -j2
done

if [ $test = yes ]; then
    (cd "build-armhf/${prefix}debug" && QT_QPA_PLATFORM=offscreen nice -n 10 \
        ctest -j2 --output-on-failure --timeout 900)
fi
if [ $package = yes ]; then
    (cd "build-armhf/${prefix}release" && cpack -G DEB)
fi
