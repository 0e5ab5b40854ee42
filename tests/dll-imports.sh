#!/bin/bash
# Prints the imports of a PE file, one per line: DLL (upper case), function.
#   dll-imports.sh FILE [OBJDUMP]
"${2:-i686-w64-mingw32-objdump}" -p "$1" | sed -n '/The Import Tables/,/The Export Tables/p' |
  awk '/DLL Name:/ { dll = toupper($3); next }
       dll && $0 ~ /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_][A-Za-z0-9_]*$/ { print dll, $NF }' | sort
