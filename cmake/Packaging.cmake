# The Debian package, made by CPack from what `cmake --install` installs:
# `cpack --config CPackConfig.cmake` in the build tree, or ./build.sh package.

include(GNUInstallDirs)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quendaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quendaro 32 developers")
set(CPACK_PACKAGE_CONTACT "${QUENDARO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "random generators for AD&D 2nd Edition game masters")
set(CPACK_PACKAGE_DESCRIPTION
    "Quendaro 32 is a toolkit of random generators for game masters of the
Advanced Dungeons & Dragons 2nd Edition tabletop role-playing game, in
Italian: characters checked against the class rules with their ability
scores, lair treasure of the types A to I with its every gem and item,
intelligent weapons, hit points, fantasy names and whole non-player
characters; a history of what was generated, and sheets to print or save
as PDF. quendaro-cli runs the same generators from a terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${QUENDARO_PACKAGE_PREFIX})

set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Tools for playing a game belong to Debian's games section, as the menu
# entry's Game category says, and its programs to /usr/games, which is on
# every user's path (not root's, nor sudo's).
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUENDARO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# The libraries the binaries link, with the versions Debian's own shlibs
# files give, rather than a hand-kept list.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)

# Debian wants its copyright file and a changelog beside the package's
# documents; the changelog is compressed without a timestamp, so that two
# builds of one version give the same file.
set(CPACK_DEBIAN_PACKAGE_VERSION ${CPACK_PACKAGE_VERSION})
execute_process(
  COMMAND date -u -R -d "${QUENDARO_RELEASE_DATE} 12:00"
  OUTPUT_VARIABLE QUENDARO_RELEASE_DATE_RFC2822
  OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
set(package_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in
               ${PROJECT_BINARY_DIR}/packaging/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.Debian.in
               ${PROJECT_BINARY_DIR}/packaging/changelog.Debian @ONLY)
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/packaging/changelog.Debian.gz
  COMMAND gzip -9 -n -f -k ${PROJECT_BINARY_DIR}/packaging/changelog.Debian
  DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog.Debian
  COMMENT "Compressing the package's changelog"
  VERBATIM)
add_custom_target(quendaro_changelog ALL
  DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog.Debian.gz)
# LEGGIMI.TXT is the user guide that the character window's help names.
install(FILES ${PROJECT_BINARY_DIR}/packaging/copyright
              ${PROJECT_BINARY_DIR}/packaging/changelog.Debian.gz
              ${PROJECT_SOURCE_DIR}/docs/LEGGIMI.TXT
        DESTINATION ${package_doc_dir})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME ${CPACK_PACKAGE_NAME})

include(CPack)
