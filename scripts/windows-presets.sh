# Sourced by the scripts: which Windows builds can run their programs here.
# The shipped DLL is 32-bit and runs under 32-bit Wine; where the kernel runs
# no 32-bit program at all, only its 64-bit twin (64-bit Wine) can test the
# Windows behaviour. TAGKEEPER_WINDOWS64_ONLY=1 takes the 64-bit-only path on
# any machine, to try it where 32-bit programs run too.
#
# After windows_can_run_32bit: windows32_reason is empty when 32-bit programs
# run, else why not, in one line.
windows_can_run_32bit() {
  windows32_reason=""
  if [ "${TAGKEEPER_WINDOWS64_ONLY:-}" = 1 ]; then
    windows32_reason="TAGKEEPER_WINDOWS64_ONLY=1 asks for the 64-bit Windows build alone"
  elif [ ! -x /usr/lib/wine/wine ]; then
    windows32_reason="32-bit Wine (/usr/lib/wine/wine) is not installed"
  elif ! output=$(/usr/lib/wine/wine --version 2>&1); then
    windows32_reason="this machine's kernel runs no 32-bit program (/usr/lib/wine/wine: ${output##*: })"
  fi
  [ -z "$windows32_reason" ]
}

# Sets windows_preset to the build whose programs run here (windows, the
# shipped 32-bit DLL, where it can; else windows64) and says which.
pick_windows_preset() {
  if windows_can_run_32bit; then
    windows_preset=windows
    echo "== Windows: the 32-bit build (build/windows), the shipped DLL" >&2
  else
    windows_preset=windows64
    echo "== Windows: the 64-bit twin (build/windows64): $windows32_reason" >&2
  fi
}
