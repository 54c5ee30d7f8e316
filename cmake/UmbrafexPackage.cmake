# The files a distribution expects besides the program (manual page, shell
# completion, AppStream metainfo, copyright and changelog), and `make
# package`: a Debian package built by CPack from the same install rules.
set(UMBRAFEX_MAINTAINER "Umbrafex developers <maintainers@users.noreply.c-seed-d4e752df.example>"
  CACHE STRING "Maintainer named in the Debian package")
set(UMBRAFEX_RELEASE_DATE "2026-12-07" CACHE STRING "Date of this release (YYYY-MM-DD)")
set(package_dir ${CMAKE_SOURCE_DIR}/resources/package)
set(staged ${CMAKE_BINARY_DIR}/package-files)

# Debian wants manual pages and changelogs compressed without a timestamp.
function(umbrafex_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${staged}
    COMMAND gzip -9nc ${source} > ${output}
    DEPENDS ${source} VERBATIM)
endfunction()

string(TIMESTAMP build_year "%Y")
execute_process(COMMAND date -u -R -d "${UMBRAFEX_RELEASE_DATE}"
  OUTPUT_VARIABLE UMBRAFEX_RELEASE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(${package_dir}/changelog.in ${staged}/changelog @ONLY)
umbrafex_gzip(${CMAKE_SOURCE_DIR}/docs/umbrafex.1 ${staged}/umbrafex.1.gz)
umbrafex_gzip(${staged}/changelog ${staged}/changelog.gz)
add_custom_target(umbrafex_package_files ALL
  DEPENDS ${staged}/umbrafex.1.gz ${staged}/changelog.gz)

install(FILES ${staged}/umbrafex.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/resources/completion/umbrafex
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/org.umbrafex.Umbrafex.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${package_dir}/copyright ${staged}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${package_dir}/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME umbrafex)

# CPack packs what was built (the Makefile builds the program first) rather
# than building every test and benchmark of the tree again.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME umbrafex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${UMBRAFEX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design sundials for any plane and print them as paper models")
# CPack puts the summary before this as the first line.
file(READ ${package_dir}/description.txt CPACK_DEBIAN_PACKAGE_DESCRIPTION)
string(STRIP "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}" CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Staged with DESTDIR, so the desktop entry names /usr/bin/umbrafex and the
# desktop's caches are left to the system's triggers.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries do not tell: the workbook library, which the program
# opens itself (libxlsxwriter.so.4 is in Debian's libxlsxwriter4), the fonts
# the dial's MS fonts become, Qt's own Japanese texts, and xdg-open for the
# spreadsheet and the help links.
string(REGEX REPLACE "\\.so\\.?" "" xlsxwriter_package "${UMBRAFEX_XLSXWRITER_SONAME}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "${xlsxwriter_package}, fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-liberation2, qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
