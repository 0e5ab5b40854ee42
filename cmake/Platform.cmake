# Settings that differ between the Windows (MinGW, run under Wine) and the
# native build.
if(WIN32)
  enable_language(RC)
  # Only system DLLs at run time: the C++ runtime and libgcc go in statically;
  # msvcrt stays the C runtime.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 MINGW_HAS_SECURE_API=1)
  if(CMAKE_CROSSCOMPILING)
    # Wine's loader and prefix kind follow the machine type: a 32-bit prefix
    # for the shipped DLL, a 64-bit one for its twin.
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
      set(TK_WINEARCH win64)
      set(TK_WINE_LOADER /usr/lib/wine/wine64)
    else()
      set(TK_WINEARCH win32)
      set(TK_WINE_LOADER /usr/lib/wine/wine)
    endif()
    configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
  endif()
else()
  set(CMAKE_CXX_VISIBILITY_PRESET hidden)
  set(CMAKE_VISIBILITY_INLINES_HIDDEN ON)
endif()

if(TAGKEEPER_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  # Bounds checks on the standard containers: a reserved vector hides an
  # index past its size from the address sanitizer.
  add_compile_definitions(_GLIBCXX_ASSERTIONS)
  add_link_options(-fsanitize=address,undefined)
endif()

if(TAGKEEPER_FUZZ)
  # Coverage for the fuzzers in all of the project's code.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
