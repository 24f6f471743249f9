# Shared by the entry scripts: where things are, and the quiet install of what is missing.
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_WIN="$ROOT/build/windows"      # x86_64
BUILD_WIN32="$ROOT/build/win32"      # i686, the product
BUILD_NATIVE="$ROOT/build/native"
JOBS=$(nproc 2>/dev/null || echo 2)
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo

PACKAGES="cmake make g++ clang libclang-rt-14-dev g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64 wine wine64
          wine32:i386 googletest locales libicu-dev libcsv-dev"

install_missing() {
  missing=""
  for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
  done
  if [ -n "$missing" ]; then
    echo "installing:$missing"
    dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing >/dev/null
  fi
  if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf8$'; then
    $SUDO sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
  fi
}

# Runs a build; shows only its diagnostics (everything when it fails); returns its status.
quiet_build() {
  local log status=0
  log=$(mktemp)
  "$@" >"$log" 2>&1 || status=$?
  if [ "$status" -eq 0 ]; then grep -E ': (error|warning):' "$log" || true; else cat "$log"; fi
  rm -f "$log"
  return "$status"
}

# True when this machine can execute the 32-bit Wine loader; else WHY_NO_32 says why not.
can_run_32bit() {
  local out
  if out=$(/usr/lib/wine/wine --version 2>&1); then return 0; fi
  WHY_NO_32=$(printf '%s' "$out" | head -n 1)
  return 1
}

# build_windows DIR ARCH: the DLLs, the demo host and the Wine tests for x86_64 or i686.
build_windows() {
  cmake -S "$ROOT" -B "$1" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-$2.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
  quiet_build cmake --build "$1" -j "$JOBS"
}

build_native() {
  cmake -S "$ROOT" -B "$BUILD_NATIVE" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_C_COMPILER=clang >/dev/null
  quiet_build cmake --build "$BUILD_NATIVE" -j "$JOBS"
}
