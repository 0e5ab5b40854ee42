#!/bin/bash
# Tagkeeper.dll is a 32-bit x86 PE DLL that exports exactly the fourteen MQ
# functions under plain names, imports only system DLLs and carries its
# version resource.
set -eu
dll=$1
objdump=${2:-i686-w64-mingw32-objdump}
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

headers=$($objdump -p "$dll")
grep -q 'file format pei-i386' <<<"$headers" || fail "not a PE32 i386 file"
machine=$($objdump -f "$dll" | sed -n 's/^architecture: \([^,]*\).*/\1/p')
[ "$machine" = "i386" ] || fail "machine is '$machine', expected i386"

expected="MQCheckVersion MQCreate MQEnumFileExt MQEnumFileType MQEnumString MQExportFile MQGetPlugInID MQGetPlugInName MQGetPlugInType MQImportFile MQInit MQModifyObject MQModifySelect MQOnEvent"
exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" | sed -n 's/^\s*\[ *[0-9]*\] \(.*\)$/\1/p' | sort | tr '\n' ' ' | sed 's/ $//')
[ "$exports" = "$expected" ] || fail "exports are '$exports'"

# One function under two names, and one under three: the names share an address.
rva_of() {
  local ordinal
  ordinal=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" | sed -n "s/^\s*\[ *\([0-9]*\)\] $1\$/\1/p")
  sed -n '/Export Address Table/,/^$/p' <<<"$headers" | sed -n "s/^\s*\[ *$ordinal\] +base\[ *[0-9]*\] *\([0-9a-f]*\) Export RVA/\1/p"
}
[ -n "$(rva_of MQImportFile)" ] && [ "$(rva_of MQImportFile)" = "$(rva_of MQExportFile)" ] ||
  fail "MQImportFile and MQExportFile are not one function"
[ -n "$(rva_of MQCreate)" ] && [ "$(rva_of MQCreate)" = "$(rva_of MQModifyObject)" ] &&
  [ "$(rva_of MQCreate)" = "$(rva_of MQModifySelect)" ] || fail "MQCreate, MQModifyObject and MQModifySelect are not one function"
[ "$(rva_of MQCreate)" != "$(rva_of MQImportFile)" ] || fail "the command and file exports share an address"

imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr 'a-z' 'A-Z' | sort -u | tr '\n' ' ')
for import in $imports; do
  case "$import" in
    KERNEL32.DLL | USER32.DLL | MSVCRT.DLL) ;;
    *) fail "imports non-system DLL $import" ;;
  esac
done

strings -el "$dll" | grep -qx 'Tagkeeper.dll' || fail "no OriginalFilename Tagkeeper.dll in the version resource"
strings -el "$dll" | grep -qx 'Tagkeeper' || fail "no ProductName Tagkeeper in the version resource"
strings -n 3 -el "$dll" | grep -qx '1.1' || fail "no version 1.1 in the version resource"

size=$(stat -c %s "$dll")
[ "$size" -le $((320 * 1024)) ] || fail "weighs $size bytes, more than 320 KiB"

echo "machine: $machine; imports: $imports; size: $(stat -c %s "$dll") bytes"
echo "exports: $exports"
exit $((failures > 0))
