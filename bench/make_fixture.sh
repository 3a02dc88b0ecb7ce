#!/bin/sh
# Writes bench/data/maker_strings.txt, the input set of the benchmarks: one
# maker string per line, printable ASCII only, the same bytes on every run
# with the same package versions (see bench/data/README.md).
#
#   bench/make_fixture.sh            (needs Debian's pci.ids, usb.ids, hwdata)
#
# In order, with repeats dropped (first one kept):
#   1. maker strings as SMBIOS, SPD and CPUID report them (listed below);
#   2. the library's ASCII display names (res/display_names.inc), the input
#      of GetVendorPic_En;
#   3. the literal keys and logo keys of the logo table and the keys of the
#      home-page table, the input of GetVendorURL;
#   4. vendor names: every one of pci.ids, every second of usb.ids, every
#      third of pnp.ids.
set -eu
cd "$(dirname "$0")/.."
pci=/usr/share/misc/pci.ids
usb=/usr/share/misc/usb.ids
pnp=/usr/share/hwdata/pnp.ids
for file in $pci $usb $pnp; do
  [ -r "$file" ] || { echo "make_fixture.sh: $file is missing (apt-get install pci.ids usb.ids hwdata)" >&2; exit 1; }
done
export LC_ALL=C

smbios_makers() {
  cat <<'LIST'
ASUSTeK Computer INC.
ASUSTeK COMPUTER INC.
ASUSTeK Computer Inc.
ASUS
Dell Inc.
Dell Computer Corporation
DELL
Hewlett-Packard
Hewlett-Packard Company
HP
HP-Pavilion
LENOVO
Lenovo
IBM
To Be Filled By O.E.M.
System manufacturer
System Manufacturer
Default string
OEM
O.E.M.
Not Applicable
Gigabyte Technology Co., Ltd.
GIGABYTE
Micro-Star International Co., Ltd.
Micro-Star International Co., Ltd
MSI
ASRock
BIOSTAR Group
ECS
Elitegroup Computer Systems
FOXCONN
Intel Corporation
INTEL Corporation
Intel(R) Corporation
AuthenticAMD
GenuineIntel
Genuine Intel
CentaurHauls
Acer
Acer, inc.
Acer Inc.
Apple Inc.
Apple Computer, Inc.
Sony Corporation
TOSHIBA
Toshiba Corporation
SAMSUNG ELECTRONICS CO., LTD.
Samsung
FUJITSU
FUJITSU SIEMENS
Fujitsu Siemens Computers
Hitachi-LG Data Storage
TOSHIBA-SAMSUNG STORAGE TECHNOLOGY
Optiarc DVD RW AD-7200S
Haier
Founder
TsingHua Tongfang
Tongfang
Hasee Computer
HEDY
BenQ
Microsoft Corporation
Alienware
Compaq
Supermicro
Tyan Computer Corporation
Shuttle Inc.
Jetway
Zotac
XFX
EVGA
BFG
HIS
Sapphire
PowerColor
Palit
Colorful
Galaxy
Kingston
Kingston Technology
Samsung Electronics
Hynix Semiconductor
Hynix
Micron Technology
Elpida
Infineon
Qimonda
Nanya Technology
Ramaxel Technology
A-DATA Technology
Apacer Technology
Corsair
Transcend
G.Skill
Geil
Kingmax
Patriot
OCZ
Mushkin
Western Digital
Seagate
Maxtor
ExcelStor
WDC
Philips
LG Electronics
ViewSonic
NEC Corporation
LITE-ON
Pioneer
Panasonic
Creative Technology
Logitech
VMware, Inc.
innotek GmbH
QEMU
Xen
LIST
}

display_names() {
  sed -n 's/^DISPLAY_NAME([A-Za-z0-9_]*, *"\([ -~]*\)")$/\1/p' res/display_names.inc
}

# Every quoted text on the rows of the logo table: literal keys and logo keys;
# the first quoted text of each home-page row: its key.
logo_keys() {
  grep '^ *\(/\* *[0-9]* \*/\|/\* unless\)' lookup/logo_table.h | grep -o '"[^"]*"' | tr -d '"'
  sed -n 's/^ *\/\* *[0-9]* \*\/ {"\([^"]*\)".*/\1/p' lookup/home_page_table.h
}

# The vendor lines of an ids file ("1043  ASUSTeK Computer Inc."), every
# `step`-th of them.
ids_vendors() {
  sed -n 's/^[0-9a-f]\{4\}  //p' "$1" | awk -v step="$2" 'NR % step == 1 || step == 1'
}

pnp_vendors() {
  cut -f2 "$pnp" | awk -v step="$1" 'NR % step == 1 || step == 1'
}

{
  smbios_makers
  display_names
  logo_keys
  ids_vendors $pci 1
  ids_vendors $usb 2
  pnp_vendors 3
} | tr -d '\r' | sed 's/[[:space:]]*$//; s/^[[:space:]]*//' | grep -v '[^ -~]' | grep . |
  awk '!seen[$0]++' > bench/data/maker_strings.txt
echo "bench/data/maker_strings.txt: $(wc -l < bench/data/maker_strings.txt) lines"
