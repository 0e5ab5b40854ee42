include_guard(GLOBAL)
# tk_read_list_entries(OUT FILE PATTERN): the entries of a list header (an
# X-macro list such as host/host_function_list.h) that match PATTERN, checked
# against the count the header's own static_assert states ("_COUNT == N").
# CMake configures again when the header changes.
function(tk_read_list_entries out file pattern)
  file(READ ${file} text)
  string(REGEX MATCHALL "${pattern}" entries "${text}")
  list(LENGTH entries count)
  if(NOT text MATCHES "_COUNT == ([0-9]+)")
    message(FATAL_ERROR "${file} states no count (_COUNT == N)")
  endif()
  if(NOT count EQUAL CMAKE_MATCH_1)
    message(FATAL_ERROR "read ${count} entries from ${file}, which states ${CMAKE_MATCH_1}")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
  set(${out} "${entries}" PARENT_SCOPE)
endfunction()
