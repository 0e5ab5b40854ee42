#!/bin/bash
# End-to-end checks of the stand-in host program: runs it (under Wine for the
# Windows build) on scene files and compares what it prints and writes.
#   host_program_test.sh HOST_PROGRAM EXAMPLES_DIR REFUSING_PLUGIN OTHER_LIBRARY FAILING_PLUGIN [EMULATOR]
set -u
host=$1 examples=$2 refusing=$3 other_library=$4 failing=$5 emulator=${6:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$examples"/*.scene "$work"/
cd "$work" || exit 1

passed=0 failed=0
pass() { passed=$((passed + 1)); }
fail() { echo "FAILED $*"; failed=$((failed + 1)); }

# Standard error goes through a file: under Wine a program whose standard
# output and error are one pipe loses its clipboard text when it exits.
run() {
  local status
  $emulator "$host" "$@" 2>"$work/stderr" | tr -d '\r'
  status=${PIPESTATUS[0]}
  tr -d '\r' <"$work/stderr"
  return "$status"
}

# Whether the lines of EXPECTED stand in OUTPUT whole, in order, one after
# the other. An expected line ending in '*' matches any line that begins with
# the rest (for the system's own words).
contains_block() {  # OUTPUT EXPECTED
  awk 'NR == FNR { want[n++] = $0; next }
       { line[m++] = $0 }
       function matches(have, wanted) {
         if (wanted ~ /\*$/) return index(have, substr(wanted, 1, length(wanted) - 1)) == 1
         return have == wanted
       }
       END {
         for (i = 0; i + n <= m; i++) {
           for (j = 0; j < n && matches(line[i + j], want[j]); j++) {}
           if (j == n) exit 0
         }
         exit 1
       }' <(printf '%s\n' "$2") <(printf '%s\n' "$1")
}

check() {  # NAME EXPECTED_STATUS EXPECTED_LINES -- ARGS...
  local name=$1 status=$2 expected=$3
  shift 4
  local output actual
  output=$(run "$@")
  actual=$?
  if [ "$actual" -ne "$status" ] || ! contains_block "$output" "$expected"; then
    fail "$name: status $actual (expected $status), output:"
    sed 's/^/    /' <<<"$output"
    echo "  expected these lines, one after the other:"
    sed 's/^/    /' <<<"$expected"
  else
    pass
  fi
}
same_bytes() {  # NAME FILE EXPECTED_TEXT (printf format)
  if [ "$(od -An -tx1 "$2" | tr -d ' \n')" = "$(printf "$3" | od -An -tx1 | tr -d ' \n')" ]; then pass; else
    fail "$1: $2 holds"; od -c "$2" | sed 's/^/    /'
  fi
}

# The demo scenes: whole blocks, so a name copied that should not be is seen.
check copy-skips-unselected 0 "$(printf '== clipboard\n  "Body"  LF\n  "Arm.L"  LF\n  "Hand.L"  LF\n  "Arm.R"  LF\n  "Hand.R"  LF\n  "Lamp"  LF')" \
  -- robot.scene copy-objects clip-show
check copy-materials-crlf 0 "$(printf '== clipboard\n  "Metal"  CR LF\n  "Rubber"  CR LF')" -- robot.scene copy-materials clip-show
printf 'Blue\nRed\nGreen\n' >rotated.txt
check rotate 0 "$(printf '== menu 1 "restore ObjectNames": done\n  object 0: "Red" -> "Blue"\n  object 1: "Green" -> "Red"\n  object 2: "Blue" -> "Green"\n== scene swap.scene')" \
  -- swap.scene clip-from rotated.txt restore-objects show
printf 'Box\nWheel9\nBox\n' >clashing.txt
check clash 0 "$(printf '  object 0: "first" -> "Box2"\n  object 1: "second" -> "Wheel10"\n  object 2: "third" -> "Box3"')" \
  -- clash.scene clip-from clashing.txt restore-objects
check own-names 0 "$(printf '== menu 1 "restore ObjectNames": done\n  no names changed')" -- swap.scene copy-objects restore-objects
check no-entry 3 "$(printf '== menu 4 (no such entry): not run\n  no names changed')" -- swap.scene menu 4
# A command the plug-in reports as failed (as one out of memory does) is said
# in words, and the run stops there with a status of its own.
check plugin-failure 3 "$(printf '== menu 1 "restore ObjectNames": the plug-in reported failure\n  no names changed')" \
  -- --plugin "$failing" swap.scene clip-from rotated.txt restore-objects show
# A copy changes no names, and says nothing of them.
output=$(run swap.scene copy-objects)
grep -q 'no names changed' <<<"$output" && fail "copy-says-no-renames: $output" || pass
printf 'a\tb\n' >tab.txt
check tab-becomes-blank 0 "$(printf '  object 0: "Red" -> "a b"\n  1 line for 3 targets: 1 line used, 2 targets kept their names')" \
  -- swap.scene clip-from tab.txt restore-objects
# A UTF-8 file placed as a Unicode editor places its text: the restore says it
# read the Unicode text; a byte order mark is no part of the text.
printf '\xef\xbb\xbfBlue\nRed\nGreen\n' >unicode.txt
check clip-from-unicode 0 "$(printf '== clipboard: the text of unicode.txt as Unicode text, with an English keyboard layout'"'"'s locale\n== menu 1 "restore ObjectNames": done\n  read the clipboard'"'"'s Unicode text\n  object 0: "Red" -> "Blue"\n  object 1: "Green" -> "Red"\n  object 2: "Blue" -> "Green"')" \
  -- swap.scene clip-from --unicode unicode.txt restore-objects
# Notes about the files read go to the error stream, in one form.
check clip-from-unicode-note 0 'tagkeeper-host: unicode.txt: note: starts with a byte order mark, which is no part of the text' \
  -- swap.scene clip-from --unicode unicode.txt
# clip-show shows the text a restore reads: here the Unicode text, not what
# Windows makes of it in the code page.
printf 'na\xc3\xafve\n' >naive.txt
check clip-show-unicode 0 "$(printf '== clipboard: Unicode text, shown as UTF-8 (what a restore reads)\n  "na\xc3\xafve"  LF')" \
  -- clip-from --unicode naive.txt clip-show
check own-text-is-code-page-text 0 "$(printf '== menu 1 "restore ObjectNames": done\n  no names changed')" \
  -- swap.scene copy-objects restore-objects
printf 'A\xff\n' >not-utf8.txt
check clip-from-not-utf8 2 'tagkeeper-host: clip-from: not-utf8.txt is not UTF-8 text' -- swap.scene clip-from --unicode not-utf8.txt
printf '\xef\xbb\xbfCyan\n' >marked.txt
check clip-from-bom 0 "$(printf '== clipboard: the text of marked.txt\n== menu 1 "restore ObjectNames": done\n  object 0: "Red" -> "Cyan"')" \
  -- swap.scene clip-from marked.txt restore-objects
check clip-from-bom-note 0 'tagkeeper-host: marked.txt: note: starts with a byte order mark, which is no part of the text' \
  -- clip-from marked.txt
printf '1\n2\n3\n4\n5\n' >five.txt
check more-lines-than-targets 0 "$(printf '  object 2: "Blue" -> "3"\n  5 lines for 3 targets: 3 lines used, 2 lines left over')" \
  -- swap.scene clip-from five.txt restore-objects
printf 'ab\0cd\n' >zero-byte.txt
check clip-from-nul 0 "$(printf '== clipboard: the text of zero-byte.txt\n== clipboard\n  "ab"  (no line end)\ntagkeeper-host: zero-byte.txt: note: holds a NUL at byte 2: the clipboard'"'"'s text ends there')" \
  -- clip-from zero-byte.txt clip-show
# With nothing on the clipboard, clip-to says so and leaves its file alone.
printf 'kept\n' >kept.txt
check clip-to-nothing 3 'tagkeeper-host: clip-to: no text on the clipboard; kept.txt is left as it was' -- clip-clear clip-to kept.txt
same_bytes clip-to-nothing-kept kept.txt 'kept\n'

# Huge or binary input: reading stops at the first NUL, and a file too large
# for the clipboard's text is refused before anything is read. strace counts
# the bytes read (a sparse file costs no disk).
bytes_read() {  # ARGS...: what the host read, in bytes, from every file
  strace -f -qq -e trace=read -e signal=none -o "$work/trace" $emulator "$host" "$@" >/dev/null 2>&1
  awk '/read\(/ { n = $NF; if (n ~ /^[0-9]+$/) total += n } END { print total + 0 }' "$work/trace"
}
truncate -s 1G zeros.scene
check nul-scene 2 'tagkeeper-host: zeros.scene:1: expected a line without NUL bytes' -- zeros.scene show
[ "$(bytes_read zeros.scene show)" -lt 100000000 ] && pass || fail "nul-scene-read: the whole scene was read"
truncate -s 200M zeros.txt
[ "$(bytes_read clip-from zeros.txt)" -lt 100000000 ] && pass || fail "nul-clip-from-read: the whole file was read"
truncate -s 300M large.txt
check clip-from-too-large 2 "tagkeeper-host: clip-from: cannot read large.txt: too large for the clipboard's text (300 MB; at most 256 MB)" \
  -- clip-from large.txt
printf 'object 0 s A\nobject 0 s %070000d\n' 0 >long-line.scene
check long-scene-line 2 'tagkeeper-host: long-line.scene:2: expected a line of at most 65536 bytes' -- long-line.scene show
rm -f zeros.scene zeros.txt large.txt

# The Windows runtime writes a character at a time to what it takes for a
# console (/dev/null among them); the host buffers its output whatever it goes to.
printf 'object 0 s name%d\n' $(seq 20000) >big.scene
strace -f -qq -e trace=write -e signal=none -o "$work/trace" $emulator "$host" big.scene show >/dev/null 2>&1
# Every write call counts: under Wine a character written alone is a write of
# its own and a request to the Wine server (about a million for these lines).
writes=$(grep -c 'write(' "$work/trace")
[ "$writes" -lt 10000 ] && pass || fail "buffered-output: $writes write calls for 20,000 lines"

# Under Wine the clipboard is the desktop's: a later run finds what an
# earlier one copied, also some seconds later.
if [ -n "$emulator" ]; then
  run robot.scene copy-objects >/dev/null
  sleep 6
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
    if [ "$actual" = "$count" ]; then pass; else fail "$name: $actual debug strings \"ok\", expected $count"; fi
  }
  expect_oks ok-after-copy 1 robot.scene copy-objects
  expect_oks ok-after-read 1 robot.scene restore-objects
  expect_oks no-ok-without-text 0 robot.scene clip-clear restore-objects
fi

# The clipboard text written to a file is byte for byte the copied text.
run robot.scene copy-objects clip-to names.txt >/dev/null
same_bytes clip-to names.txt 'Body\nArm.L\nHand.L\nArm.R\nHand.R\nLamp\n'

# Saving and loading again gives the same document, comments and blank lines
# where they stood, objects and materials in the order of their lines.
printf '# odd\nobject 0 sf A b\n\nno-object\nmaterial s M\n  \nobject 1 x  foreign \nobject 2 - \nno-material\nmaterial - \n' >odd.scene
run odd.scene save-as saved.scene >/dev/null
run saved.scene save-as again.scene >/dev/null
if cmp -s odd.scene saved.scene && cmp -s saved.scene again.scene; then pass; else
  fail "save-reload: the saved scenes differ"; diff odd.scene saved.scene
fi
[ -z "$(ls -A | grep -i -e saving -e '\.tmp$')" ] && pass || fail "save-reload: a temporary file is left: $(ls -A)"
printf 'Z\n' >z.txt
run swap.scene clip-from z.txt restore-objects save >/dev/null
check save-over 0 '  > S..   0  "Z"' -- swap.scene show
same_bytes comments-kept swap.scene '# Three selected objects whose names can be swapped or rotated: every target\n# first takes a temporary name, so no old name blocks a new one.\nobject 0 s Z\nobject 0 s Green\nobject 0 s Blue\nobject 0 - Camera\n'

# Scenes written by Windows editors: CR LF line ends, kept on save.
printf 'object 0 s Red\r\nno-object\r\n# c\r\nobject 0 s Green\r\nmaterial s M\r\n' >crlf.scene
check crlf-names 0 "$(printf '  > S..   0  "Red"\n           1  (no object)\n  > S..   2  "Green"')" -- crlf.scene show
run crlf.scene clip-from z.txt restore-objects save >/dev/null
same_bytes crlf-save crlf.scene 'object 0 s Z\r\nno-object\r\n# c\r\nobject 0 s Green\r\nmaterial s M\r\n'

# A name longer than the host keeps is cut, with a warning; depths of any size
# show with a bounded indentation.
printf 'object 0 s %0300d\nobject 2147483647 - Big\nobject 1073741823 - Deep\nobject 0 - Shallow\n' 7 >odd-sizes.scene
check long-name-and-depths 0 "$(printf 'tagkeeper-host: odd-sizes.scene:1: warning: name cut to 249 bytes, the longest the host keeps*')" \
  -- odd-sizes.scene show
check huge-depths 0 "$(printf '  > S..   0  "%0249d"\n    ...   1  %64s(depth 2147483647) "Big"\n    ...   2  %64s(depth 1073741823) "Deep"\n    ...   3  "Shallow"' 0 '' '')" \
  -- odd-sizes.scene show

# Saving keeps the file what it was beyond its text: its mode, and a link to
# it, on both builds.
cp swap.scene private.scene && chmod 600 private.scene
run private.scene clip-from z.txt restore-objects save >/dev/null
[ "$(stat -c %a private.scene)" = 600 ] && pass || fail "save-keeps-mode: $(stat -c %a private.scene)"
cp swap.scene real.scene && ln -s real.scene link.scene
run link.scene clip-from z.txt restore-objects save >/dev/null
[ -L link.scene ] && grep -q '^object 0 s Z$' real.scene && pass || fail "save-through-link"
if [ -z "$emulator" ]; then
  # Saving over another user's file keeps it theirs, where this user may (root).
  cp swap.scene theirs.scene
  if chown 4321:4321 theirs.scene 2>/dev/null; then
    run theirs.scene clip-from z.txt restore-objects save >/dev/null
    [ "$(stat -c %u:%g theirs.scene)" = 4321:4321 ] && pass || fail "save-keeps-owner: $(stat -c %u:%g theirs.scene)"
  fi
  printf 'not a scene\n' >swap.scene.saving
  run swap.scene save >/dev/null
  grep -qx 'not a scene' swap.scene.saving && pass || fail "save-temporary-name: swap.scene.saving was overwritten"
fi

# Malformed scene files: file, line and what was expected; exit status 2.
malformed() {  # NAME CONTENT EXPECTED_MESSAGE
  printf "$2" >"$1.scene"
  cp "$1.scene" "$1.orig"
  check "malformed-$1" 2 "tagkeeper-host: $1.scene:$3" -- "$1.scene" save
  cmp -s "$1.scene" "$1.orig" || fail "malformed-$1: the file was changed"
}
malformed keyword 'object 0 s A\nobjet 0 s B\n' "2: expected 'object', 'material', 'no-object', 'no-material' or a comment"
malformed depth '# c\nobject x s A\n' '2: expected a depth (a whole number) after '"'"'object'"'"
malformed fraction 'object 0 s A\nobject 1.5 s B\n' '2: expected a depth (a whole number) after '"'"'object'"'"
malformed huge-depth 'object 99999999999 s A\n' "1: expected a depth of at most 2147483647 after 'object', not 99999999999"
malformed depth-past-32-bits 'object 2147483648 s A\n' "1: expected a depth of at most 2147483647 after 'object', not 2147483648"
malformed negative-depth 'object -1 sf A\n' "1: expected a depth of 0 or more after 'object', not -1"
malformed cr-in-lf-file 'object 0 s A\nno-object\r\n' "2: expected nothing after 'no-object', not a CR: the file's first line ends in LF alone, so LF ends its lines"
malformed flags 'object 0 q A\n' "1: expected flags after the depth: '-' or letters of 's', 'f', 'x'"
malformed material-flags 'material f M\n' "1: expected flags after 'material': '-' or 's'"
malformed no-flags 'object 0\n' "1: expected flags after the depth: '-' or letters of 's', 'f', 'x'"
malformed absent-extra 'no-object 3\n' "1: expected nothing after 'no-object'"
malformed zero-byte 'object 0 s A\0B\n' '1: expected a line without NUL bytes'
mkdir -p folder
check missing-scene 2 'tagkeeper-host: cannot read the scene file nothing.scene: *' -- nothing.scene show
check folder-scene 2 'tagkeeper-host: cannot read the scene file folder: a folder, not a file' -- folder show
check clip-to-folder 2 'tagkeeper-host: clip-to: cannot write folder: a folder, not a file' -- swap.scene clip-to folder
check save-as-nothing 2 "tagkeeper-host: save-as: cannot write '': no file name" -- swap.scene save-as ''
check save-as-no-folder 2 'tagkeeper-host: save-as: cannot write nofolder/x.scene: no folder nofolder' -- swap.scene save-as nofolder/x.scene
# Every file is checked before the first command runs; a file that an earlier
# command writes may be read by a later one.
cp swap.scene unsaved.scene
check files-first 2 'tagkeeper-host: clip-from: cannot read nosuch.txt: *' -- unsaved.scene restore-objects save clip-from nosuch.txt
cmp -s swap.scene unsaved.scene && pass || fail "files-first: the scene was saved"
check written-then-read 0 '== clipboard: the text of fresh.txt' -- swap.scene copy-objects clip-to fresh.txt clip-from fresh.txt
# An output this user may not write stops the run before its first command
# (natively; as root, the check runs as another user).
as_user=()
[ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
if [ -z "$emulator" ] && { [ "$(id -u)" -ne 0 ] || [ ${#as_user[@]} -gt 0 ]; }; then
  mkdir -p rw ro && cp swap.scene rw/d.scene && chmod 777 rw rw/d.scene "$work" && chmod 555 ro
  output=$("${as_user[@]}" "$host" rw/d.scene clip-from rotated.txt restore-objects save clip-to ro/names.txt 2>&1)
  status=$?
  [ "$status" -eq 2 ] && grep -q '^tagkeeper-host: clip-to: cannot write ro/names.txt: Permission denied$' <<<"$output" &&
    cmp -s swap.scene rw/d.scene && pass || fail "unwritable-first: status $status, $output"
fi
# --help wins wherever it stands; -- ends the options.
for args in "swap.scene show --help bogus" "menu --help" "clip-from --help"; do
  check "help-in: $args" 0 'usage: tagkeeper-host [--plugin PATH] [SCENE] [COMMAND ...]' -- $args
done
cp swap.scene ./--odd.scene
check double-dash 0 '== scene --odd.scene' -- -- --odd.scene show
# -- ends the options wherever it stands, also before a command's file.
check double-dash-file 2 'tagkeeper-host: clip-from: cannot read --help: *' -- swap.scene clip-from -- --help
cp rotated.txt ./pqr.txt
check double-dash-before-file 0 '== clipboard: the text of pqr.txt' -- swap.scene clip-from -- pqr.txt
check double-dash-no-file 2 'tagkeeper-host: clip-to: expected a file name (see --help)' -- swap.scene clip-to --
[ ! -e ./--  ] && pass || fail "double-dash-no-file: a file named -- was written"
check single-dash-option 2 'tagkeeper-host: unknown option -x (see --help)' -- swap.scene -x
check empty-scene-word 2 'tagkeeper-host: expected a scene file, not an empty word (see --help)' -- '' swap.scene show
for index in ' 1' '1 '; do
  check "menu-blanks: '$index'" 2 "tagkeeper-host: menu: expected a menu index, not $index (see --help)" -- swap.scene menu "$index"
done
# What is not a regular file is refused: a FIFO would block for ever.
mkfifo fifo.scene
check fifo-scene 2 'tagkeeper-host: cannot read the scene file fifo.scene: not a regular file' -- fifo.scene show
check fifo-clip-from 2 'tagkeeper-host: clip-from: cannot read fifo.scene: not a regular file' -- clip-from fifo.scene
# Scene lines as people write them: blanks and tabs between fields, indented
# comments; a byte order mark is skipped, and kept on save; lines that did
# not change are saved byte for byte, a changed one in the form it had.
printf '\xef\xbb\xbf  # indented\r\nobject\t01  fs Old\r\n\tobject +2 - Other\nmaterial  s\tM' >kept.scene
printf 'New\n' >new.txt
check bom-and-blanks 0 "$(printf '== menu 1 "restore ObjectNames": done\n  object 0: "Old" -> "New"\n  1 line for 2 targets: 1 line used, 1 target kept its name\n== scene saved to kept.scene\ntagkeeper-host: kept.scene: note: the file starts with a byte order mark, which is no part of the scene')" \
  -- kept.scene clip-from new.txt restore-objects save
same_bytes save-keeps-lines kept.scene '\xef\xbb\xbf  # indented\r\nobject\t01  fs New\r\n\tobject +2 - Other\nmaterial  s\tM'
printf '1\n' >one.txt
check one-target-kept 0 '  1 line for 3 targets: 1 line used, 2 targets kept their names' -- swap.scene clip-from one.txt restore-objects
printf '1\n2\n' >two.txt
check one-target-kept-its-name 0 '  2 lines for 3 targets: 2 lines used, 1 target kept its name' -- swap.scene clip-from two.txt restore-objects
# The loader cuts a long name on a whole character of the host's locale
# (natively UTF-8), as the plug-in does.
if [ -z "$emulator" ]; then
  printf 'object 0 s %s\n' "$(printf '\xc3\xa9%.0s' $(seq 150))" >accents.scene
  run accents.scene copy-objects clip-to accents.txt >/dev/null 2>&1
  [ "$(wc -c <accents.txt)" -eq 249 ] && pass || fail "loader-cut: $(wc -c <accents.txt) bytes copied, expected 248 and a line feed"
fi

# The whole command line is checked before any command runs.
cp swap.scene before.scene
check bad-command-line 2 'tagkeeper-host: unknown command clip-form (see --help)' \
  -- swap.scene clip-from rotated.txt restore-objects save clip-form x
cmp -s swap.scene before.scene && pass || fail "bad-command-line: the scene was saved"
check bad-menu-index 2 'tagkeeper-host: menu: expected a menu index, not x (see --help)' -- swap.scene show menu x
check plugin-without-path 2 'tagkeeper-host: option --plugin needs a path (see --help)' -- swap.scene --plugin
mkdir -p folder
check clip-from-folder 2 'tagkeeper-host: clip-from: cannot read folder: *' -- clip-from folder

# Plug-ins that cannot serve.
echo "not a library" >text.dll
check not-a-library 1 'tagkeeper-host: cannot load ./text.dll: not a loadable library (*' -- --plugin ./text.dll swap.scene show
output=$(run --plugin ./text.dll swap.scene show)
grep -q '%1' <<<"$output" && fail "not-a-library: a placeholder is left: $output" || pass
# --help gives examples that work with this build's own plug-in.
if [ -n "$emulator" ]; then library=Tagkeeper.dll; else library=Tagkeeper.so; fi
run --help | grep -q -- "--plugin .*$library" && pass || fail "help-example: no example loads $library"
check missing-plugin 1 'tagkeeper-host: cannot load ./missing.dll: no such file' -- --plugin ./missing.dll swap.scene
check folder-plugin 1 'tagkeeper-host: cannot load folder: a folder, not a file' -- --plugin folder swap.scene
check not-a-plugin 1 "tagkeeper-host: $other_library is not a plug-in: the library does not export MQCheckVersion" \
  -- --plugin "$other_library" swap.scene
check refused 1 "tagkeeper-host: the plug-in refuses this host's version 0x4403" -- --plugin "$refusing" swap.scene
check usage 2 'tagkeeper-host: unknown command fly (see --help)' -- swap.scene fly
check help-after-scene 0 'usage: tagkeeper-host [--plugin PATH] [SCENE] [COMMAND ...]' -- swap.scene --help
for scene in $(run --help | grep -o 'examples/[a-z]*\.scene'); do
  [ -f "$examples/../$scene" ] && pass || fail "help names $scene, which does not exist"
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
