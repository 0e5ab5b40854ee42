#!/bin/bash
# Link launcher of the shipped DLL: links with the runtime of MinGW-w64's
# win32 thread model instead of the posix one that the test programs need
# (GoogleTest and std::thread want its std::mutex). The posix runtime brings
# the winpthreads layer, whose thread-control imports (SuspendThread,
# SetThreadContext, ...) no code of the plug-in uses. Same compiler version,
# same objects: only the runtime libraries differ.
#   link-win32-runtime.sh DRIVER ARGS...   DRIVER ends in -posix
driver=$1
shift
exec "${driver%-posix}-win32" "$@"
