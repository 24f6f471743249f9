#!/usr/bin/env bash
# Builds the native tree and runs the text benchmark on real text: installs the peers it is
# compared with (ICU, libcsv, nkf) and the Japanese manual pages when missing, and makes the
# man-page corpus from them: roff requests and escapes stripped, JIS X 0208 characters only (what
# every peer can convert), code page 932 with CR LF line ends. Arguments go to text_bench
# (megabytes, 64 by default).
set -euo pipefail
. "$(dirname "$0")/common.sh"
PACKAGES="$PACKAGES nkf manpages-ja"
install_missing
build_native

CORPUS="$BUILD_NATIVE/bench/manpages-ja.sjis"
if [ ! -s "$CORPUS" ]; then
  find /usr/share/man/ja -type f -name '*.gz' | sort | xargs zcat -f |
    sed -e '/^[.'"'"']/d' -e 's/\\f[BIRPC]//g; s/\\f(..//g; s/\\f\[[A-Z]*\]//g' \
        -e 's/\\[-e]/-/g; s/\\&//g; s/\\(..//g; s/\\[*][(]..//g; s/\\[,/|^]//g; s/\\"//g' |
    iconv -c -f UTF-8 -t ISO-2022-JP | iconv -f ISO-2022-JP -t CP932 | sed 's/$/\r/' >"$CORPUS"
fi
"$BUILD_NATIVE/bench/text_bench" "${1:-64}" "$CORPUS"
