#!/bin/sh
# Checks Zentavo2.dll on disk: it imports only system DLLs, exports exactly
# the five names with their ordinals, carries the generated string table
# unchanged and the version resource hosts read.
#   check_dll_file.sh <dll> <objdump> <windres> <generated strings.rc>
set -u
dll=$1 objdump=$2 windres=$3 strings_rc=$4
failed=0 passed=0
ok() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAILED: $*"; }

imports=$("$objdump" -p "$dll" | sed -n 's/^\s*DLL Name: //p' | sort | tr '\n' ' ')
echo "imports: $imports"
[ "$imports" = "KERNEL32.dll USER32.dll msvcrt.dll " ] && ok || fail "imports are $imports"

exports=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
  sed -n 's/^\s*\[ *\([0-9]*\)\] \(.*\)$/\1 \2/p' | awk '{print $1 + 1, $2}' | sort -n | tr '\n' ',')
echo "exports: $exports"
[ "$exports" = "1 GetVendorURL,2 GetPCVendor_Cn,3 GetPCVendor_En,4 GetVendorPic_Cn,5 GetVendorPic_En," ] &&
  ok || fail "exports are $exports"

"$objdump" -p "$dll" | grep -q "^Name.*Zentavo2.dll" && ok || fail "export directory does not name Zentavo2.dll"

resources=$("$windres" -i "$dll" -O rc 2>/dev/null)

# The string table, decompiled, equals the generated one compiled on its own.
tables=$(mktemp -d)
"$windres" -i "$strings_rc" -O res -o "$tables/strings.res" &&
  "$windres" -i "$tables/strings.res" -O rc | sed 's/ MOVEABLE PURE DISCARDABLE//' > "$tables/expected.rc"
echo "$resources" | sed '/^\/\* Type: version/,$d' | sed -e :a -e '/^\n*$/{$d;N;ba' -e '}' > "$tables/actual.rc"
sed -e :a -e '/^\n*$/{$d;N;ba' -e '}' "$tables/expected.rc" > "$tables/expected_trimmed.rc"
if cmp -s "$tables/expected_trimmed.rc" "$tables/actual.rc"; then ok; else
  fail "string table differs from $strings_rc"
  diff "$tables/expected_trimmed.rc" "$tables/actual.rc" | head -10
fi
rm -rf "$tables"

# The version resource, field by field.
version=$(echo "$resources" | sed -n '/VERSIONINFO/,$p')
for line in "FILEVERSION 1, 0, 9, 828" "PRODUCTVERSION 1, 0, 9, 828" "FILEFLAGSMASK 0x3f" \
            "FILEOS 0x4" "FILETYPE 0x1" 'BLOCK "040904E4"' 'VALUE "Translation", 0x409, 1252'; do
  echo "$version" | grep -qF "$line" && ok || fail "version resource lacks: $line"
done
echo "$version" | grep -qE "FILEFLAGS |FILESUBTYPE|FILEDATE" && fail "version resource sets flags, subtype or date" || ok
keys=$(echo "$version" | sed -n 's/^ *VALUE "\([A-Za-z]*\)", ".*/\1/p' | tr '\n' ' ')
[ "$keys" = "CompanyName FileDescription FileVersion InternalName LegalCopyright LegalTrademarks OriginalFilename ProductName ProductVersion Comments " ] &&
  ok || fail "version keys are: $keys"
for pair in 'FileDescription", "Zentavo Data2 Library"' 'FileVersion", "1.0.9.828"' 'LegalTrademarks", ""' \
            'OriginalFilename", "Zentavo2.dll"' 'ProductVersion", "1.0"'; do
  echo "$version" | grep -qF "VALUE \"$pair" && ok || fail "version value: $pair"
done
for key in CompanyName InternalName LegalCopyright ProductName Comments; do
  echo "$version" | grep -qE "VALUE \"$key\", \".+\"" && ok || fail "version value $key is empty"
done

size=$(wc -c < "$dll")
echo "size: $size bytes"
echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
