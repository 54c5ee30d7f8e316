# The locale of the test runs: Japanese, as the texts the tests check are;
# the English runs use UMBRAFEX_ENGLISH_LOCALE. Fontconfig would otherwise
# name the fonts in the locale's language ("IPA Pゴシック"); the tests expect
# the same family names whatever the locale.
set(UMBRAFEX_JAPANESE_LOCALE "LANGUAGE=ja;LC_ALL=ja_JP.UTF-8;FC_LANG=en")
set(UMBRAFEX_ENGLISH_LOCALE "LANGUAGE=en;LC_ALL=en_US.UTF-8;FC_LANG=en")

find_package(GTest REQUIRED)
# Preferences that tests write stay in the build tree, away from the user's.
set(UMBRAFEX_TEST_CONFIG "XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config")
# Leaks are checked, except those the system libraries keep on purpose.
set(UMBRAFEX_LEAK_CHECK
  "ASAN_OPTIONS=detect_leaks=1;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0")

# umbrafex_test(NAME n LABEL unit|render|gui SOURCES ... LIBS ...)
# One GoogleTest executable registered as one CTest test.
function(umbrafex_test)
  cmake_parse_arguments(T "" "NAME;LABEL" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/TestLanguage.cpp)
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} umbrafex_qtsupport GTest::gtest GTest::gtest_main
    GTest::gmock)
  target_compile_definitions(${T_NAME} PRIVATE
    UMBRAFEX_RESOURCES_DIR="${UMBRAFEX_RESOURCES_DIR}"
    UMBRAFEX_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    LABELS ${T_LABEL}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${UMBRAFEX_JAPANESE_LOCALE};${UMBRAFEX_LEAK_CHECK};${UMBRAFEX_TEST_CONFIG}")
endfunction()

# umbrafex_gui_test(NAME n SOURCES ... LIBS ...)
# One Qt Test program of window tests (QTEST_MAIN), run on the offscreen
# platform, registered as one CTest test with the label gui.
function(umbrafex_gui_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/TestLanguageQt.cpp)
  set_target_properties(${T_NAME} PROPERTIES AUTOMOC ON)
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Test Qt6::Widgets)
  target_compile_definitions(${T_NAME} PRIVATE
    UMBRAFEX_RESOURCES_DIR="${UMBRAFEX_RESOURCES_DIR}"
    UMBRAFEX_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    LABELS gui
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${UMBRAFEX_JAPANESE_LOCALE};${UMBRAFEX_LEAK_CHECK};${UMBRAFEX_TEST_CONFIG}")
endfunction()
