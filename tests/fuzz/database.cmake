# Fuzz target of the location database reader (prefs.dat and cities.dat).
# The reader and the text codec are compiled into the target so that
# libFuzzer sees their coverage.
file(GLOB DATABASE_FUZZ_CORE CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/*.cpp)
file(GLOB DATABASE_FUZZ_ENGINE CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/engine/*.cpp)
set(DATABASE_FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)

add_executable(fuzz_database ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_database.cpp
  ${CMAKE_SOURCE_DIR}/dialogs/LocationFields.cpp
  ${CMAKE_SOURCE_DIR}/dialogs/LocationDatabase.cpp
  ${DATABASE_FUZZ_CORE} ${DATABASE_FUZZ_ENGINE})
target_include_directories(fuzz_database PRIVATE ${CMAKE_SOURCE_DIR}/dialogs
  ${CMAKE_SOURCE_DIR}/platform ${CMAKE_SOURCE_DIR}/engine)
target_compile_options(fuzz_database PRIVATE ${DATABASE_FUZZ_FLAGS})
target_link_options(fuzz_database PRIVATE ${DATABASE_FUZZ_FLAGS})
