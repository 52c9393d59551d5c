#!/usr/bin/env bash
# Builds Korvelin with its tests and benchmarks and runs every test.
#   ./test.sh           Qt 6
#   QT=5 ./test.sh      Qt 5.15
#   SANITIZE=1 ./test.sh  with AddressSanitizer and UndefinedBehaviorSanitizer, in build-qt6-asan
set -euo pipefail
cd "$(dirname "$0")"
major=${QT:-6}
tools/install-deps.sh "$major"
build=build-qt$major
sanitize=OFF
if [ -n "${SANITIZE:-}" ]; then
    build=$build-asan
    sanitize=ON
fi
cmake -S . -B "$build" -DKORVELIN_QT_MAJOR="$major" -DCMAKE_BUILD_TYPE=Debug -DKORVELIN_SANITIZE=$sanitize >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j"$(nproc)"
