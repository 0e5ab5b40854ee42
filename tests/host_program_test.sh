#!/bin/bash
# End-to-end checks of the stand-in host program: runs it (under Wine for the
# Windows build) on scene files and compares what it prints and writes.
#   host_program_test.sh HOST_PROGRAM EXAMPLES_DIR REFUSING_PLUGIN OTHER_LIBRARY [EMULATOR]
set -u
host=$1 examples=$2 refusing=$3 other_library=$4 emulator=${5:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$examples"/*.scene "$work"/
cd "$work" || exit 1

passed=0 failed=0
# Standard error goes through a file: under Wine a program whose standard
# output and error are one pipe loses its clipboard text when it exits.
run() {
  local status
  $emulator "$host" "$@" 2>"$work/stderr" | tr -d '\r'
  status=${PIPESTATUS[0]}
  tr -d '\r' <"$work/stderr"
  return "$status"
}
check() {  # NAME EXPECTED_STATUS EXPECTED_TEXT -- ARGS...
  local name=$1 status=$2 expected=$3
  shift 4
  local output actual
  output=$(run "$@")
  actual=$?
  if [ "$actual" -ne "$status" ] || ! grep -qF -- "$expected" <<<"$output"; then
    echo "FAILED $name: status $actual (expected $status), output:"
    sed 's/^/    /' <<<"$output"
    echo "  expected to find: $expected"
    failed=$((failed + 1))
  else
    passed=$((passed + 1))
  fi
}

# The demo scenes.
check copy-folded-group 0 '  "Hand.R"  LF' -- robot.scene copy-objects clip-show
check copy-skips-unselected 0 "$(printf '  "Hand.R"  LF\n  "Lamp"  LF')" -- robot.scene copy-objects clip-show
check copy-materials-crlf 0 "$(printf '  "Metal"  CR LF\n  "Rubber"  CR LF')" -- robot.scene copy-materials clip-show
printf 'Blue\nRed\nGreen\n' >rotated.txt
check rotate 0 "$(printf '  object 0: "Red" -> "Blue"\n  object 1: "Green" -> "Red"\n  object 2: "Blue" -> "Green"')" \
  -- swap.scene clip-from rotated.txt restore-objects
printf 'Box\nWheel9\nBox\n' >clashing.txt
check clash 0 "$(printf '  object 0: "first" -> "Box2"\n  object 1: "second" -> "Wheel10"\n  object 2: "third" -> "Box3"')" \
  -- clash.scene clip-from clashing.txt restore-objects
check own-names 0 '  no names changed' -- swap.scene copy-objects restore-objects
check no-entry 0 'menu 4 (no such entry): not run' -- swap.scene menu 4
printf 'a\tb\n' >tab.txt
check tab-becomes-blank 0 '"Red" -> "a b"' -- swap.scene clip-from tab.txt restore-objects

# Under Wine the clipboard is the desktop's: a later run finds what an
# earlier one copied.
if [ -n "$emulator" ]; then
  run robot.scene copy-objects >/dev/null
  check shared-clipboard 0 '  object 0: "Red" -> "Body"' -- swap.scene restore-objects
fi

# The debug string "ok": once after the clipboard took the copied text, once
# after the clipboard gave text to a restore, never without text. (Wine shows
# debug strings on its warn+seh channel.)
if [ -n "$emulator" ]; then
  oks() { WINEDEBUG=warn+seh $emulator "$host" "$@" 2>&1 >/dev/null | grep -c 'OutputDebugString.*"ok"'; }
  expect_oks() {  # NAME COUNT ARGS...
    local name=$1 count=$2 actual
    shift 2
    actual=$(oks "$@")
    if [ "$actual" = "$count" ]; then passed=$((passed + 1)); else
      echo "FAILED $name: $actual debug strings \"ok\", expected $count"; failed=$((failed + 1))
    fi
  }
  expect_oks ok-after-copy 1 robot.scene copy-objects
  expect_oks ok-after-read 1 robot.scene restore-objects
  expect_oks no-ok-without-text 0 robot.scene clip-clear restore-objects
fi

# The clipboard text written to a file is byte for byte the copied text.
run robot.scene copy-objects clip-to names.txt >/dev/null
if [ "$(od -An -tx1 names.txt | tr -d ' \n')" = "$(printf 'Body\nArm.L\nHand.L\nArm.R\nHand.R\nLamp\n' | od -An -tx1 | tr -d ' \n')" ]; then
  passed=$((passed + 1))
else
  echo "FAILED clip-to: names.txt holds"; od -c names.txt; failed=$((failed + 1))
fi

# Saving and loading again gives the same document.
printf 'object 0 sf A b\nno-object\nobject 1 x  foreign \nobject -2 - \nmaterial s M\nno-material\nmaterial - \n' >odd.scene
run odd.scene save-as saved.scene >/dev/null
run saved.scene save-as again.scene >/dev/null
if cmp -s odd.scene saved.scene && cmp -s saved.scene again.scene; then
  passed=$((passed + 1))
else
  echo "FAILED save-reload: the saved scenes differ"; diff odd.scene saved.scene; failed=$((failed + 1))
fi
printf 'Z\n' >z.txt
run swap.scene clip-from z.txt restore-objects save >/dev/null
check save-over 0 '"Z"' -- swap.scene show

# Malformed scene files: file, line and what was expected; exit status 2.
malformed() {  # NAME CONTENT EXPECTED_MESSAGE
  printf "$2" >"$1.scene"
  cp "$1.scene" "$1.orig"
  check "malformed-$1" 2 "$1.scene:$3" -- "$1.scene" save
  cmp -s "$1.scene" "$1.orig" || { echo "FAILED malformed-$1: the file was changed"; failed=$((failed + 1)); }
}
malformed keyword 'object 0 s A\nobjet 0 s B\n' "2: expected 'object', 'material', 'no-object', 'no-material' or a comment"
malformed depth '# c\nobject x s A\n' '2: expected a depth (a whole number)'
malformed flags 'object 0 q A\n' "1: expected flags after the depth"
malformed material-flags 'material f M\n' "1: expected flags after 'material'"
malformed no-flags 'object 0\n' '1: expected flags after the depth'
malformed absent-extra 'no-object 3\n' "1: expected nothing after 'no-object'"
malformed zero-byte 'object 0 s A\0B\n' '1: expected a line without NUL bytes'
check missing-scene 2 'cannot open the scene file' -- nothing.scene show

# Plug-ins that cannot serve.
echo "not a library" >text.dll
check not-a-library 1 'not a loadable library' -- --plugin ./text.dll swap.scene show
check not-a-plugin 1 'is not a plug-in: the library does not export MQCheckVersion' -- --plugin "$other_library" swap.scene
check refused 1 "refuses this host's version 0x4403" -- --plugin "$refusing" swap.scene
check usage 2 'unknown command' -- swap.scene fly
check help 0 'usage: tagkeeper-host' -- --help

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
