# Fuzz targets for the settings document reader and the profile-file reader.
# The sources they exercise are compiled into each target so that libFuzzer
# sees their coverage.
file(GLOB DOCS_FUZZ_ENGINE CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/engine/*.cpp)
file(GLOB DOCS_FUZZ_CORE CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/*.cpp)
set(DOCS_FUZZ_APP
  ${CMAKE_SOURCE_DIR}/model/MainModel.cpp
  ${CMAKE_SOURCE_DIR}/model/ZonePlace.cpp
  ${CMAKE_SOURCE_DIR}/model/LocalDate.cpp
  ${CMAKE_SOURCE_DIR}/model/SettingChecks.cpp
  ${CMAKE_SOURCE_DIR}/model/SettingsDocument.cpp
  ${CMAKE_SOURCE_DIR}/model/SettingsKeys.cpp
  ${CMAKE_SOURCE_DIR}/model/ValueText.cpp)
set(DOCS_FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)

function(docs_fuzz_target name)
  add_executable(${name} ${ARGN})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/engine ${CMAKE_SOURCE_DIR}/platform
    ${CMAKE_SOURCE_DIR}/model)
  target_compile_options(${name} PRIVATE ${DOCS_FUZZ_FLAGS})
  target_link_options(${name} PRIVATE ${DOCS_FUZZ_FLAGS})
endfunction()

docs_fuzz_target(fuzz_profile ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_profile.cpp ${DOCS_FUZZ_CORE} ${DOCS_FUZZ_ENGINE})
docs_fuzz_target(fuzz_document ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_document.cpp ${DOCS_FUZZ_APP}
  ${DOCS_FUZZ_CORE} ${DOCS_FUZZ_ENGINE})
