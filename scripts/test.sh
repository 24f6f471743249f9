#!/usr/bin/env bash
# Installs what is missing, builds both configurations and runs every test: the Windows tests under
# Wine, then the native tests, sanitizers and a short fuzz run.
set -euo pipefail
. "$(dirname "$0")/common.sh"
install_missing
build_windows
build_native
status=0
ctest --test-dir "$BUILD_WIN" -j "$JOBS" --output-on-failure || status=1
ctest --test-dir "$BUILD_NATIVE" -j "$JOBS" --output-on-failure || status=1
exit $status
