# umbrafex_sources(VAR dir...): the .cpp files directly in the given folders.
function(umbrafex_sources var)
  set(found "")
  foreach(dir ${ARGN})
    file(GLOB files CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(APPEND found ${files})
  endforeach()
  set(${var} ${found} PARENT_SCOPE)
endfunction()
