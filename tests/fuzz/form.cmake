# Fuzz target for the main window's form model: any text typed or pasted
# into any box, then leaving it.
file(GLOB FORM_FUZZ_ENGINE CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/engine/*.cpp)
file(GLOB FORM_FUZZ_CORE CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/*.cpp)
set(FORM_FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
add_executable(fuzz_form_input ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_form_input.cpp
  ${CMAKE_SOURCE_DIR}/app/MainFormModel.cpp
  ${CMAKE_SOURCE_DIR}/app/FormBoxes.cpp
  ${CMAKE_SOURCE_DIR}/model/MainModel.cpp
  ${CMAKE_SOURCE_DIR}/model/ZonePlace.cpp
  ${CMAKE_SOURCE_DIR}/model/LocalDate.cpp
  ${CMAKE_SOURCE_DIR}/model/SettingChecks.cpp
  ${CMAKE_SOURCE_DIR}/model/ValueText.cpp
  ${FORM_FUZZ_CORE} ${FORM_FUZZ_ENGINE})
target_include_directories(fuzz_form_input PRIVATE ${CMAKE_SOURCE_DIR}/engine
  ${CMAKE_SOURCE_DIR}/platform ${CMAKE_SOURCE_DIR}/model ${CMAKE_SOURCE_DIR}/print
  ${CMAKE_SOURCE_DIR}/app)
target_compile_options(fuzz_form_input PRIVATE ${FORM_FUZZ_FLAGS})
target_link_options(fuzz_form_input PRIVATE ${FORM_FUZZ_FLAGS})
