#!/usr/bin/env bash
# Installs what is missing, builds the i686 and x86_64 DLLs with their Wine tests and the native
# configuration, then runs them all: the Wine tests of each architecture this machine can run, the
# native tests (sanitizers and a short fuzz run) once.
set -euo pipefail
. "$(dirname "$0")/common.sh"
install_missing
build_windows "$BUILD_WIN32" i686
build_windows "$BUILD_WIN" x86_64
build_native
status=0
if can_run_32bit; then
  echo "== i686 =="
  ctest --test-dir "$BUILD_WIN32" -j "$JOBS" --output-on-failure || status=1
else
  echo "== i686: built, NOT RUN: this machine cannot execute the 32-bit Wine loader ($WHY_NO_32) =="
fi
echo "== x86_64 =="
ctest --test-dir "$BUILD_WIN" -j "$JOBS" --output-on-failure || status=1
echo "== native =="
ctest --test-dir "$BUILD_NATIVE" -j "$JOBS" --output-on-failure || status=1
exit $status
