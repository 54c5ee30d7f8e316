# The metafile reader alone: no Qt, so libFuzzer and the sanitizers see all of it.
add_executable(wmf_fuzz
  ${CMAKE_SOURCE_DIR}/tests/fuzz/wmf_fuzz.cpp
  ${CMAKE_SOURCE_DIR}/platform/qt/MetafileParser.cpp
  ${CMAKE_SOURCE_DIR}/platform/qt/MetafileBuilder.cpp
  ${CMAKE_SOURCE_DIR}/platform/qt/WmfPlayer.cpp
  ${CMAKE_SOURCE_DIR}/platform/qt/EmfBuilder.cpp
  ${CMAKE_SOURCE_DIR}/platform/qt/EmfPlayer.cpp
  ${CMAKE_SOURCE_DIR}/platform/core/TextCodec.cpp)
target_include_directories(wmf_fuzz PRIVATE ${CMAKE_SOURCE_DIR}/platform/qt ${CMAKE_SOURCE_DIR}/platform/core)
target_compile_options(wmf_fuzz PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
target_link_options(wmf_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
