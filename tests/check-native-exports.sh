#!/bin/bash
# The native plug-in library exports exactly the fourteen MQ functions.
set -eu
library=$1
expected="MQCheckVersion MQCreate MQEnumFileExt MQEnumFileType MQEnumString MQExportFile MQGetPlugInID MQGetPlugInName MQGetPlugInType MQImportFile MQInit MQModifyObject MQModifySelect MQOnEvent"
actual=$(nm -D --defined-only "$library" | awk '$2 ~ /^[TtWwDdBbRrVvi]$/ {print $3}' | sort | tr '\n' ' ' | sed 's/ $//')
if [ "$actual" != "$expected" ]; then
  echo "exports of $library differ"
  echo "expected: $expected"
  echo "actual:   $actual"
  exit 1
fi
address() { nm -D --defined-only "$library" | awk -v name="$1" '$3 == name {print $1}'; }
if [ "$(address MQImportFile)" != "$(address MQExportFile)" ] ||
   [ "$(address MQCreate)" != "$(address MQModifyObject)" ] || [ "$(address MQCreate)" != "$(address MQModifySelect)" ]; then
  echo "the shared exports do not share one address"
  exit 1
fi
echo "exports: $actual"
