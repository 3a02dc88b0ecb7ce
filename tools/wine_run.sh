#!/bin/sh
# Runs a Windows program under Wine with the ANSI code page chosen by locale.
#
#   tools/wine_run.sh <936|1252> program.exe [arguments...]
#
# The prefix lives in ZENTAVO2_WINEPREFIX (default ~/.cache/zentavo2/wine),
# made on first use.  Exits 77 (a skipped test) when Wine is missing or cannot
# run the program's architecture here; tools/setup.sh installs what it needs.
set -u
code_page=$1
shift
case $code_page in
  936) export LC_ALL=zh_CN.GB18030 ;;
  1252) export LC_ALL=en_US.UTF-8 ;;
  *) echo "wine_run.sh: code page $code_page is not 936 or 1252" >&2; exit 2 ;;
esac
export WINEPREFIX="${ZENTAVO2_WINEPREFIX:-$HOME/.cache/zentavo2/wine}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
if ! command -v wine >/dev/null 2>&1; then
  echo "SKIPPED: wine is not installed (run tools/setup.sh)"
  exit 77
fi
# The loader of the program's own architecture: 64-bit programs need no
# 32-bit support at all.
pe_offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
machine=$(od -An -tx2 -j$((pe_offset + 4)) -N2 "$1" | tr -d ' ')
loader=wine
[ "$machine" = 8664 ] && [ -x /usr/lib/wine/wine64 ] && loader=/usr/lib/wine/wine64
# Where this kernel runs no 32-bit code, tools/setup.sh has qemu emulate it.
# Wine under qemu cannot run several threads at once: the host skips those checks.
if [ "$loader" = wine ] && grep -ls '^interpreter .*qemu-i386' /proc/sys/fs/binfmt_misc/* 2>/dev/null |
    xargs -r grep -l '^enabled' >/dev/null 2>&1; then
  export ZENTAVO2_EMULATED_32BIT=1
fi
mkdir -p "$WINEPREFIX"
"$loader" "$@"
status=$?
# Wine itself failing to start the program (not the program failing).
if [ $status -eq 126 ] || [ $status -eq 53 ]; then
  echo "SKIPPED: wine could not start $1 here (exit $status; run tools/setup.sh)"
  exit 77
fi
exit $status
