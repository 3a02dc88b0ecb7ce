#!/bin/sh
# Builds the zentavo2 tool and shows every answer of the library for the
# maker strings given (or a list of typical ones), in the terminal's charset.
#   tools/demo.sh ["ASUSTeK Computer INC." ...]
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh native
cmake --preset native >/dev/null
cmake --build --preset native --target zentavo2_tool >/dev/null
if [ $# -eq 0 ]; then
  set -- "ASUSTeK Computer INC." "Dell Inc." "Hewlett-Packard" "LENOVO" "Gigabyte Technology Co., Ltd." \
         "Micro-Star International Co., Ltd" "FUJITSU SIEMENS" "Kingston" "Western Digital" \
         "Hitachi-LG Data Storage" "Realtek Semiconductor Corp." "AuthenticAMD" "To Be Filled By O.E.M."
fi
exec build/native/tools/zentavo2 "$@"
