#!/bin/bash
# The native plug-in library exports exactly the plug-in's exports, the
# shared ones at one address.
#   check-native-exports.sh LIBRARY "EXPORTS" "ALIAS=FUNCTION ..."
set -eu
library=$1 expected_exports=$2 aliases=$3
expected=$(tr ' ' '\n' <<<"$expected_exports" | sort | tr '\n' ' ' | sed 's/ $//')
actual=$(nm -D --defined-only "$library" | awk '$2 ~ /^[TtWwDdBbRrVvi]$/ {print $3}' | sort | tr '\n' ' ' | sed 's/ $//')
if [ "$actual" != "$expected" ]; then
  echo "exports of $library differ"
  echo "expected: $expected"
  echo "actual:   $actual"
  exit 1
fi
address() { nm -D --defined-only "$library" | awk -v name="$1" '$3 == name {print $1}'; }
for alias in $aliases; do
  if [ "$(address "${alias%=*}")" != "$(address "${alias#*=}")" ]; then
    echo "${alias%=*} is not ${alias#*=}"
    exit 1
  fi
done
echo "exports: $actual"
