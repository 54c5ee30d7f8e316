# The file name a shared library is loaded by (its SONAME, such as
# libxlsxwriter.so.4), for a library the program opens itself when needed.
# Falls back to the development link name when the library cannot be read.
function(umbrafex_library_soname name dirs out)
  find_library(library_file NAMES ${name} HINTS ${dirs} NO_CACHE)
  set(soname "lib${name}.so")
  find_program(OBJDUMP_PROGRAM NAMES objdump)
  if(library_file AND OBJDUMP_PROGRAM)
    execute_process(COMMAND ${OBJDUMP_PROGRAM} -p ${library_file}
      OUTPUT_VARIABLE dump ERROR_QUIET RESULT_VARIABLE failed)
    if(NOT failed AND dump MATCHES "SONAME +([^\n ]+)")
      set(soname "${CMAKE_MATCH_1}")
    endif()
  endif()
  set(${out} "${soname}" PARENT_SCOPE)
endfunction()
