#!/bin/bash
# The set-up's decisions on a bad day, against a stand-in apt-get, dpkg,
# dpkg-query and id first on PATH: no network, no root, nothing installed.
#   setup_test.sh SOURCE_DIR
set -u
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
passed=0 failed=0
expect() {  # NAME CONDITION...
  local name=$1
  shift
  if "$@"; then passed=$((passed + 1)); else
    failed=$((failed + 1))
    echo "FAILED $name; output:"
    sed 's/^/    /' "$work/out"
  fi
}
has() { grep -qF -- "$1" "$work/out"; }
lacks() { ! grep -qF -- "$1" "$work/out"; }
called() { grep -qxF -- "$1" "$work/calls"; }
last_line_is() { [ "$(tail -n 1 "$work/out")" = "$1" ]; }

# The stand-ins keep their state in files: the installed packages, the
# foreign architectures and every apt-get call.
cat >"$work/bin/dpkg-query" <<'STUB'
#!/bin/bash
grep -qxF -- "${!#}" "$STUB/installed" && printf 'ii '
STUB
cat >"$work/bin/dpkg" <<'STUB'
#!/bin/bash
case "$1" in
  --print-foreign-architectures) cat "$STUB/archs" ;;
  --add-architecture) echo "$2" >>"$STUB/archs" ;;
esac
STUB
cat >"$work/bin/id" <<'STUB'
#!/bin/bash
echo "${STUB_UID:-0}"
STUB
# STUB_BROKEN: packages apt cannot resolve; STUB_REMOVES: PACKAGE=VICTIM, an
# install that would remove VICTIM; STUB_FAIL_UPDATE: one index fails.
cat >"$work/bin/apt-get" <<'STUB'
#!/bin/bash
echo "$*" >>"$STUB/calls"
args=" $* "
if [[ "$args" == *" update "* ]]; then
  [ -z "${STUB_FAIL_UPDATE:-}" ] && exit 0
  echo "E: Failed to fetch http://mirror/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
  echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
  exit 100
fi
packages=$(tr ' ' '\n' <<<"$*" | grep -v -e '^-' -e '^install$' -e '^$')
for package in $packages; do
  if [[ " ${STUB_BROKEN:-} " == *" $package "* ]]; then
    echo "E: Unable to correct problems, you have held broken packages."
    exit 100
  fi
done
if [[ "$args" == *" -s "* ]]; then
  for package in $packages; do
    for removal in ${STUB_REMOVES:-}; do [ "${removal%%=*}" = "$package" ] && echo "Remv ${removal#*=} [1.0]"; done
    echo "Inst $package (1.0 Debian:12)"
  done
  exit 0
fi
printf '%s\n' $packages >>"$STUB/installed"
STUB
chmod +x "$work/bin"/*

all_packages="cmake ninja-build g++ libgtest-dev libgmock-dev util-linux clang libclang-rt-dev
g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 g++-mingw-w64-x86-64-posix
g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 binutils googletest wine wine64 wine32:i386"
# A machine with the native tools alone, as a fresh one comes.
fresh() {
  export STUB="$work/state"
  rm -rf "$STUB" && mkdir "$STUB"
  printf '%s\n' cmake ninja-build g++ libgtest-dev libgmock-dev util-linux clang libclang-rt-dev >"$STUB/installed"
  : >"$STUB/archs" && : >"$STUB/calls"
  unset STUB_BROKEN STUB_REMOVES STUB_FAIL_UPDATE STUB_UID
}
install_deps() {
  PATH="$work/bin:$PATH" TAGKEEPER_APT_PAUSE=0 bash "$source_dir/scripts/install-deps" --report "$work/report" "$@" \
    >"$work/out" 2>&1
}
plan() {
  PATH="$work/bin:$PATH" TAGKEEPER_APT_PAUSE=0 TAGKEEPER_SETUP_REPORT="$work/report" \
    bash "$source_dir/scripts/test" --plan >"$work/out" 2>&1
}

# A bad mirror day: one index fails, and 32-bit Wine cannot be resolved. The
# update is tried three times, the other groups install, the 64-bit path runs.
fresh
export STUB_FAIL_UPDATE=1 STUB_BROKEN=wine32:i386
install_deps
expect bad-day-status [ $? -eq 1 ]
expect bad-day-retries [ "$(grep -c ' update ' "$STUB/calls")" -eq 3 ]
expect bad-day-warning has "warning: apt-get update failed three times; going on with the indexes it has (E: Failed to fetch"
expect bad-day-wine32-reported has "32-bit Wine (wine32) could not be installed: apt: E: Unable to correct problems, you have held broken packages."
expect bad-day-report [ "$(cut -f1 "$work/report")" = wine32 ]
expect bad-day-others-installed grep -qx wine64 "$STUB/installed"
expect bad-day-mingw-installed grep -qx g++-mingw-w64-i686-posix "$STUB/installed"
expect bad-day-i386-added grep -qx i386 "$STUB/archs"
plan
expect bad-day-plan-status [ $? -eq 0 ]
expect bad-day-plan-64 has "== plan: windows64: the whole suite under 64-bit Wine"
expect bad-day-plan-32 has "== plan: windows: the shipped DLL's build and static checks; the 32-bit suite cannot run here: 32-bit Wine could not be installed (apt: E: Unable to correct problems"

# MinGW cannot be installed: the run fails at once, naming it and apt's reason.
fresh
export STUB_BROKEN=g++-mingw-w64-i686-posix
plan
expect no-mingw-status [ $? -eq 1 ]
expect no-mingw-named last_line_is "== FAILED: the test run needs mingw, which could not be installed: apt: E: Unable to correct problems, you have held broken packages."
expect no-mingw-wine-still-installed grep -qx wine64 "$STUB/installed"

# 64-bit Wine would remove an installed package: refused, and never installed.
fresh
export STUB_REMOVES=wine=libgl1
install_deps wine64
expect removal-status [ $? -eq 1 ]
expect removal-refused has "64-bit Wine (wine64) could not be installed: refused: installing it removes libgl1"
expect removal-not-installed bash -c "! grep -q -- '-y' '$STUB/calls'"
plan
expect removal-plan-fails last_line_is "== FAILED: the test run needs wine64, which could not be installed: refused: installing it removes libgl1 "

# Everything there: apt-get is not called at all.
fresh
printf '%s\n' $all_packages >"$STUB/installed"
install_deps
expect all-there-status [ $? -eq 0 ]
expect all-there-no-apt [ ! -s "$STUB/calls" ]
expect all-there-empty-report [ ! -s "$work/report" ]

# Not root: the line to run, each missing group reported, nothing called.
fresh
export STUB_UID=1000
install_deps mingw wine32
expect not-root-status [ $? -eq 1 ]
expect not-root-line has "  dpkg --add-architecture i386 && apt-get update && apt-get install -y "
expect not-root-no-apt [ ! -s "$STUB/calls" ]
expect not-root-report [ "$(cut -f1 "$work/report" | tr '\n' ' ')" = "mingw wine32 " ]

# The native half asks for nothing of Windows.
fresh
PATH="$work/bin:$PATH" TAGKEEPER_APT_PAUSE=0 bash "$source_dir/scripts/install-deps" --native >"$work/out" 2>&1
expect native-only-status [ $? -eq 0 ]
expect native-only-no-apt [ ! -s "$STUB/calls" ]
expect native-only-quiet lacks "set-up"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
