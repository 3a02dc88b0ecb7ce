#!/bin/sh
# Runs a host example and compares what it prints, turned into UTF-8, with the
# expected text.
#
#   run_host.sh <locale> <expected> <program> [arguments...]
#     locale: C.UTF-8, a locale built on the spot into $ZENTAVO2_LOCALES
#             (zh_CN.GB18030, zh_CN.GBK, en_US.CP1252, de_DE.ISO-8859-1),
#             or wine:936 / wine:1252 to run a Windows program under Wine.
set -eu
locale=$1 expected=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
output=$(mktemp)
trap 'rm -f "$output"' EXIT

case $locale in
  wine:*)
    code_page=${locale#wine:}
    sh "$here/../../tools/wine_run.sh" "$code_page" "$@" > "$output" || exit $?
    charset=CP$code_page ;;
  *)
    charset=${locale#*.}
    if [ "$locale" != C.UTF-8 ]; then
      export LOCPATH="${ZENTAVO2_LOCALES:?}"
      mkdir -p "$LOCPATH"
      [ -d "$LOCPATH/$locale" ] || localedef -i "${locale%%.*}" -f "$charset" "$LOCPATH/$locale" 2>/dev/null ||
        [ -d "$LOCPATH/$locale" ] || { echo "cannot build locale $locale (package locales)"; exit 1; }
    fi
    LC_ALL=$locale "$@" > "$output" ;;
esac

if iconv -f "$charset" -t UTF-8 "$output" | tr -d '\r' | diff "$expected" -; then
  echo "1 passed, 0 failed"
else
  echo "output in $locale differs from $expected"
  echo "0 passed, 1 failed"
  exit 1
fi
