#!/usr/bin/env bash
# Installs what is missing, builds ZetoCom.dll and runs the demo host under Wine: the 32-bit host
# where this machine can execute the 32-bit Wine loader, else the 64-bit one.
set -euo pipefail
. "$(dirname "$0")/common.sh"
install_missing
if can_run_32bit; then
  build=$BUILD_WIN32 arch=i686
  echo "== the 32-bit demo host (i686) =="
else
  build=$BUILD_WIN arch=x86_64
  echo "== the 64-bit demo host (x86_64): this machine cannot execute the 32-bit Wine loader ($WHY_NO_32) =="
fi
build_windows "$build" "$arch"
"$build/wine-prefix.sh"
"$build/wine-run.sh" "$build/bin/ZetoDemo.exe"
