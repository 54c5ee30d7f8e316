# The metafile reader alone: no Qt, so libFuzzer and the sanitizers see all of it.
add_executable(wmf_fuzz
  ${CMAKE_SOURCE_DIR}/tests/fuzz/wmf_fuzz.cpp
  ${CMAKE_SOURCE_DIR}/qtsupport/MetafileParser.cpp
  ${CMAKE_SOURCE_DIR}/qtsupport/MetafileBuilder.cpp
  ${CMAKE_SOURCE_DIR}/qtsupport/WmfPlayer.cpp
  ${CMAKE_SOURCE_DIR}/qtsupport/EmfBuilder.cpp
  ${CMAKE_SOURCE_DIR}/qtsupport/EmfPlayer.cpp
  ${CMAKE_SOURCE_DIR}/platform/TextCodec.cpp)
target_include_directories(wmf_fuzz PRIVATE ${CMAKE_SOURCE_DIR}/qtsupport ${CMAKE_SOURCE_DIR}/platform)
target_compile_options(wmf_fuzz PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
target_link_options(wmf_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
