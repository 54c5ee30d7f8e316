# Fuzz targets of what a run reads before it draws: the ini file and then a
# settings document, and the words of a command line. The sources they
# exercise are compiled into each target so that libFuzzer sees them.
file(GLOB RUN_FUZZ_ENGINE CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/engine/*.cpp)
file(GLOB RUN_FUZZ_CORE CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/*.cpp)
set(RUN_FUZZ_MODEL
  ${CMAKE_SOURCE_DIR}/model/MainModel.cpp
  ${CMAKE_SOURCE_DIR}/model/ZonePlace.cpp
  ${CMAKE_SOURCE_DIR}/model/LocalDate.cpp
  ${CMAKE_SOURCE_DIR}/model/Preferences.cpp
  ${CMAKE_SOURCE_DIR}/model/SettingChecks.cpp
  ${CMAKE_SOURCE_DIR}/model/SettingsDocument.cpp
  ${CMAKE_SOURCE_DIR}/model/SettingsKeys.cpp
  ${CMAKE_SOURCE_DIR}/model/ValueText.cpp)
set(RUN_FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)

function(run_fuzz_target name)
  add_executable(${name} ${ARGN} ${RUN_FUZZ_MODEL} ${RUN_FUZZ_CORE} ${RUN_FUZZ_ENGINE})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/engine
    ${CMAKE_SOURCE_DIR}/platform ${CMAKE_SOURCE_DIR}/model ${CMAKE_SOURCE_DIR}/commandline)
  target_compile_options(${name} PRIVATE ${RUN_FUZZ_FLAGS})
  target_link_options(${name} PRIVATE ${RUN_FUZZ_FLAGS})
endfunction()

run_fuzz_target(fuzz_preferences_document
  ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_preferences_document.cpp)
run_fuzz_target(fuzz_command_line ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_command_line.cpp
  ${CMAKE_SOURCE_DIR}/commandline/CommonOptions.cpp)
