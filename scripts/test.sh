#!/usr/bin/env bash
# Sets up everything, builds the presets and runs every test: the
# platform-free tests natively, again under AddressSanitizer and
# UndefinedBehaviorSanitizer with a short fuzzing run of the paste parse,
# then the same tests, the Windows tests and the end-to-end tests under Wine
# on a virtual display of their own.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh || exit 1
cmake --preset host >/dev/null && cmake --build --preset host || exit 1
cmake --preset sanitize >/dev/null && cmake --build --preset sanitize || exit 1
cmake --preset windows >/dev/null && cmake --build --preset windows || exit 1

trap 'scripts/wine-session.sh stop' EXIT
keeper=build/windows/tests/win_helper.exe
[ -f "$keeper" ] || keeper=""
scripts/wine-session.sh start $keeper || exit 1

status=0
ctest --preset host || status=1
ctest --preset sanitize || status=1
ctest --preset windows || status=1
exit $status
