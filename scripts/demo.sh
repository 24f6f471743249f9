#!/usr/bin/env bash
# Installs what is missing, builds ZetoCom.dll and runs the demo host under Wine.
set -euo pipefail
. "$(dirname "$0")/common.sh"
install_missing
build_windows
"$BUILD_WIN/wine-prefix.sh"
"$BUILD_WIN/wine-run.sh" "$BUILD_WIN/bin/ZetoDemo.exe"
