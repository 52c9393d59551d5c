#!/usr/bin/env bash
# Installs what building, testing or running Korvelin needs on Debian bookworm, and nothing
# when it is all there already.   Usage: tools/install-deps.sh [6|5] [run|fuzz]
set -euo pipefail
major=${1:-6}
packages=(cmake g++ make fonts-noto-cjk rime-data-pinyin-simp)
if [ "$major" = 5 ]; then
    packages+=(qtbase5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n
               libqt5sql5-sqlite libqt5svg5-dev)
else
    packages+=(qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
               qt6-translations-l10n libqt6sql6-sqlite qt6-svg-dev)
fi
if [ "${2:-}" = run ]; then
    packages+=(libxkbcommon-x11-0 libxcb-cursor0)
fi
if [ "${2:-}" = fuzz ]; then
    packages+=(clang libclang-rt-14-dev)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
