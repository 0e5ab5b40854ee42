# Test modules for the host binding: small libraries that export names of the
# host function list, read from the list itself, with
# one name left out or every name in another letter case.
#
#   tk_add_host_module(TARGET [OMIT_POSITION N | OMIT_LAST] [LOWER_CASE])
include(${CMAKE_CURRENT_LIST_DIR}/ListEntries.cmake)

function(tk_add_host_module target)
  cmake_parse_arguments(ARG "OMIT_LAST;LOWER_CASE" "OMIT_POSITION" "" ${ARGN})
  tk_read_list_entries(entries ${PROJECT_SOURCE_DIR}/host/host_function_list.h "(FN|TYPED)\\(MQ[A-Za-z_]*")
  set(names)
  foreach(entry IN LISTS entries)
    string(REGEX REPLACE "^(FN|TYPED)\\(" "" name "${entry}")
    list(APPEND names ${name})
  endforeach()
  if(ARG_OMIT_LAST)
    list(POP_BACK names)
  elseif(DEFINED ARG_OMIT_POSITION)
    list(REMOVE_AT names ${ARG_OMIT_POSITION})
  endif()

  set(source "// Generated from host/host_function_list.h for the binding tests.\n")
  string(APPEND source "#if defined(_WIN32)\n#define EXPORTED extern \"C\" __declspec(dllexport)\n")
  string(APPEND source "#else\n#define EXPORTED extern \"C\" __attribute__((visibility(\"default\")))\n#endif\n")
  foreach(name IN LISTS names)
    if(ARG_LOWER_CASE)
      string(TOLOWER ${name} name)
    endif()
    string(APPEND source "EXPORTED void ${name}() {}\n")
  endforeach()
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/${target}.cpp)
  file(CONFIGURE OUTPUT ${generated} CONTENT "${source}" @ONLY)

  add_library(${target} MODULE ${generated})
  set_target_properties(${target} PROPERTIES PREFIX "")
endfunction()
