#!/bin/bash
# Tagkeeper.dll is a PE DLL of the build's machine type (i386 for the shipped
# DLL, x86-64 for its test twin) that exports exactly the plug-in's exports
# under plain names (the shared ones at one address), carries its version
# resource and, where an allowed list and a size are given (the shipped DLL),
# imports exactly the allowed functions and keeps to its size.
#   check-dll.sh DLL OBJDUMP MACHINE VERSION "EXPORTS" "ALIAS=FUNCTION ..." ALLOWED_IMPORTS|- MAX_BYTES|-
#   MACHINE: i386 or x86-64
set -eu
dll=$1 objdump=$2 expected_machine=$3 version=$4 expected_exports=$5 aliases=$6 allowed=$7 max_bytes=$8
here=$(dirname "$0")
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

headers=$($objdump -p "$dll")
grep -q "file format pei-$expected_machine\$" <<<"$headers" || fail "not a PE file for $expected_machine"
machine=$($objdump -f "$dll" | sed -n 's/^architecture: \([^,]*\).*/\1/p')
# objdump names x86-64 as a variant of i386.
[ "$machine" = "${expected_machine/#x86-64/i386:x86-64}" ] || fail "machine is '$machine', expected $expected_machine"

names_table() { sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers"; }
exports=$(names_table | sed -n 's/^\s*\[ *[0-9]*\] \(.*\)$/\1/p' | sort | tr '\n' ' ' | sed 's/ $//')
expected=$(tr ' ' '\n' <<<"$expected_exports" | sort | tr '\n' ' ' | sed 's/ $//')
[ "$exports" = "$expected" ] || fail "exports are '$exports', expected '$expected'"

# A shared function's names share its address; distinct functions do not.
rva_of() {
  local ordinal
  ordinal=$(names_table | sed -n "s/^\s*\[ *\([0-9]*\)\] $1\$/\1/p")
  sed -n '/Export Address Table/,/^$/p' <<<"$headers" | sed -n "s/^\s*\[ *$ordinal\] +base\[ *[0-9]*\] *\([0-9a-f]*\) Export RVA/\1/p"
}
for alias in $aliases; do
  name=${alias%=*} function=${alias#*=}
  [ -n "$(rva_of "$name")" ] && [ "$(rva_of "$name")" = "$(rva_of "$function")" ] || fail "$name is not $function"
done
[ "$(tr ' ' '\n' <<<"$expected_exports" | while read -r name; do rva_of "$name"; done | sort -u | wc -l)" \
  -eq $(($(wc -w <<<"$expected_exports") - $(wc -w <<<"$aliases"))) ] || fail "distinct exports share an address"

imports=$(bash "$here/dll-imports.sh" "$dll" "$objdump")
if [ "$allowed" != - ] && ! diff <(grep -v '^#' "$allowed") <(echo "$imports") >/dev/null; then
  fail "imports differ from $allowed (< allowed only, > imported only):"
  diff <(grep -v '^#' "$allowed") <(echo "$imports") | grep '^[<>]'
fi

strings -el "$dll" | grep -qx 'Tagkeeper.dll' || fail "no OriginalFilename Tagkeeper.dll in the version resource"
strings -el "$dll" | grep -qx 'Tagkeeper' || fail "no ProductName Tagkeeper in the version resource"
strings -n 3 -el "$dll" | grep -qx "$version" || fail "no version $version in the version resource"
strings -n 3 "$dll" | grep -q "^Tagkeeper ver\.$version " || fail "no display name for version $version"

size=$(stat -c %s "$dll")
[ "$max_bytes" = - ] || [ "$size" -le "$max_bytes" ] || fail "weighs $size bytes, more than $max_bytes"

echo "machine: $machine; size: $size bytes; $(wc -l <<<"$imports") imports from $(cut -d' ' -f1 <<<"$imports" | sort -u | tr '\n' ' ')"
echo "exports: $exports"
exit $((failures > 0))
