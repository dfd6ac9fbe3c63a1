# What the desktop, the manual and the shell know of the programs, the
# copyright and changelog, and the Debian package made of the whole
# installation (scripts/package.sh).

# The name under which the desktop, software centres and the icon theme know
# verbal: the project's site (verbaline.example.org) reversed.
set(VERBAL_APP_ID "org.example.verbaline")
set(VERBAL_HOMEPAGE "https://verbaline.example.org/")
# The site publishes the help pages with their pictures; the software
# centres show this one, from the site and beside the installed help.
set(VERBAL_SCREENSHOT "aide/fenetre.png")
set(VERBAL_MAINTAINER "Verbal developers <dev@verbal.invalid>"
    CACHE STRING "Maintainer of the Debian package (name <address>)")

# The changelog's latest entry names the release: its version must be the
# project's, and its date dates the metadata and the manual pages, so that
# the same sources give the same files on any day.
set(VERBAL_CHANGELOG "${CMAKE_CURRENT_LIST_DIR}/debian/changelog")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${VERBAL_CHANGELOG}")
file(STRINGS "${VERBAL_CHANGELOG}" changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^verbal \\(([^)]+)\\) ")
  message(FATAL_ERROR "${VERBAL_CHANGELOG}: the first line is not a changelog entry")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "${VERBAL_CHANGELOG}: its latest entry is version ${CMAKE_MATCH_1}, "
                      "the project is ${PROJECT_VERSION}: add an entry for this version.")
endif()
file(STRINGS "${VERBAL_CHANGELOG}" changelog_dates REGEX "^ -- .*>  ")
list(GET changelog_dates 0 changelog_date)
string(REGEX REPLACE "^ -- .*>  " "" changelog_date "${changelog_date}")
execute_process(COMMAND date -u -d "${changelog_date}" "+%s;%F"
                OUTPUT_VARIABLE release_date OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${VERBAL_CHANGELOG}: unreadable date '${changelog_date}'")
endif()
list(GET release_date 0 VERBAL_RELEASE_EPOCH)
list(GET release_date 1 VERBAL_RELEASE_DATE)

if(VERBAL_HAVE_GUI)
  add_subdirectory(data/desktop)
endif()
add_subdirectory(data/man)
install(FILES data/completion/verbal-cli DESTINATION share/bash-completion/completions)

# Copyright and changelog, in Debian's formats and where Debian wants them,
# for every installation alike. The changelog is compressed as Debian's
# tools do it: best compression, no name or time stamp inside.
set(doc_dir "${CMAKE_BINARY_DIR}/doc")
add_custom_command(OUTPUT "${doc_dir}/changelog.gz"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${doc_dir}"
  COMMAND sh -c "gzip -9nc < \"$0\" > \"$1\"" "${VERBAL_CHANGELOG}" "${doc_dir}/changelog.gz"
  DEPENDS "${VERBAL_CHANGELOG}"
  VERBATIM)
add_custom_target(changelog ALL DEPENDS "${doc_dir}/changelog.gz")
install(FILES cmake/debian/copyright "${doc_dir}/changelog.gz" DESTINATION share/doc/verbal)

# The Debian package: what `cmake --install --prefix /usr` puts, staged
# with DESTDIR so that the registry file and the menu entry name /usr.
# scripts/package.sh configures CMAKE_INSTALL_BINDIR=games for it, where
# Debian puts the programs of the section games.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME verbal)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR Quillsoft)
set(CPACK_PACKAGE_CONTACT "${VERBAL_MAINTAINER}")
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "French crossword generator and player")
set(CPACK_PACKAGE_DESCRIPTION
"Verbaline 2000 computes French crossword grids, from 6 x 6 to 20 x 20
squares: it places the words and the black squares itself, from a dictionary
of French words, and finds a clue for every word. The player fills the grid
in with the mouse and a letter picker, reads the clues, asks for rationed
help, checks the letters and saves the grids to finish them later.

The package holds the window program (verbal), its help browser (helpview)
with the French help pages, and verbal-cli, which computes and prints grids
from the command line.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VERBAL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VERBAL_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no shared library reveals: the dialogs are laid out for Liberation
# Sans's metrics, and Qt's own dialogs speak French with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)

# What the check of a package made from this build needs to know of it
# (tests/install/package_test.sh).
file(WRITE "${CMAKE_BINARY_DIR}/package.env"
"VERBAL_SOURCE_DIR='${CMAKE_SOURCE_DIR}'
VERBAL_VERSION='${PROJECT_VERSION}'
VERBAL_APP_ID='${VERBAL_APP_ID}'
VERBAL_HOMEPAGE='${VERBAL_HOMEPAGE}'
VERBAL_SCREENSHOT='${VERBAL_SCREENSHOT}'
VERBAL_BINDIR='${CMAKE_INSTALL_BINDIR}'
VERBAL_HAVE_GUI='${VERBAL_HAVE_GUI}'
")
