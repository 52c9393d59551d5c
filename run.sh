#!/usr/bin/env bash
# Builds Korvelin and starts it, in simulator mode unless KORVELIN_CAMERA says otherwise.
#   ./run.sh            Qt 6
#   QT=5 ./run.sh       Qt 5.15
set -euo pipefail
cd "$(dirname "$0")"
major=${QT:-6}
tools/install-deps.sh "$major" run
# A folder of its own, so that this build and the Debug build of ./test.sh never rebuild each
# other; only the program is built here, without the tests and benchmarks.
build=build-qt$major-run
cmake -S . -B "$build" -DKORVELIN_QT_MAJOR="$major" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target Korvelin
# The program keeps its parameter files, translations and font in its working folder.
cd "$build"
exec ./Korvelin "$@"
