#!/usr/bin/env bash
# Sets up, builds and starts tinctora.exe under Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
exe=build/windows/tinctora.exe
if [ ! -f "$exe" ]; then
    echo "Built the Windows test programs under build/windows; the program itself is not built yet."
    exit 0
fi
scripts/wine-prefix.sh
exec scripts/wine-run.sh "$exe"
