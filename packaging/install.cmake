# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Trivex developers
# Installation of the program as a desktop application (binary, menu entry, icon,
# AppStream metadata, the graph-file type, the manual page, the examples, the
# documentation), the tools that make the examples and the screenshot, and the
# Debian package settings.
include(GNUInstallDirs)

set(TRIVEX_APP_ID cz.trivex.trivex)
# Directories the install makes are 755 whatever the umask of the one who builds.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The changelog is the history of releases; its first entry must be the version
# being built, and its date is the release date the AppStream metadata show.
file(STRINGS ${TRIVEX_DIR}/packaging/changelog TRIVEX_CHANGELOG)
list(GET TRIVEX_CHANGELOG 0 TRIVEX_CHANGELOG_TOP)
if(NOT TRIVEX_CHANGELOG_TOP MATCHES "^trivex \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog starts with '${TRIVEX_CHANGELOG_TOP}', not with version ${PROJECT_VERSION}")
endif()
list(FILTER TRIVEX_CHANGELOG INCLUDE REGEX "^ -- ")
list(GET TRIVEX_CHANGELOG 0 TRIVEX_CHANGELOG_TRAILER)
if(NOT TRIVEX_CHANGELOG_TRAILER MATCHES ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "packaging/changelog: no date in '${TRIVEX_CHANGELOG_TRAILER}'")
endif()
set(TRIVEX_RELEASE_DAY ${CMAKE_MATCH_1})
set(TRIVEX_RELEASE_YEAR ${CMAKE_MATCH_3})
set(TRIVEX_MONTHS Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND TRIVEX_MONTHS ${CMAKE_MATCH_2} TRIVEX_RELEASE_MONTH)
math(EXPR TRIVEX_RELEASE_MONTH "${TRIVEX_RELEASE_MONTH} + 1")
if(TRIVEX_RELEASE_MONTH LESS 10)
  set(TRIVEX_RELEASE_MONTH 0${TRIVEX_RELEASE_MONTH})
endif()
set(TRIVEX_RELEASE_DATE ${TRIVEX_RELEASE_YEAR}-${TRIVEX_RELEASE_MONTH}-${TRIVEX_RELEASE_DAY})

set(TRIVEX_PACKAGING ${CMAKE_CURRENT_BINARY_DIR}/packaging)
configure_file(${TRIVEX_DIR}/packaging/${TRIVEX_APP_ID}.desktop.in ${TRIVEX_PACKAGING}/${TRIVEX_APP_ID}.desktop @ONLY)
configure_file(${TRIVEX_DIR}/packaging/${TRIVEX_APP_ID}.metainfo.xml.in ${TRIVEX_PACKAGING}/${TRIVEX_APP_ID}.metainfo.xml @ONLY)
configure_file(${TRIVEX_DIR}/packaging/trivex.1 ${TRIVEX_PACKAGING}/trivex.1 @ONLY)

# Debian wants the manual page and the changelog compressed, and without a time
# stamp in the gzip header, so that the same sources give the same package. Systems
# without gzip (Windows) have no use for either.
if(UNIX)
  add_custom_command(OUTPUT ${TRIVEX_PACKAGING}/trivex.1.gz
    COMMAND gzip -9n -c ${TRIVEX_PACKAGING}/trivex.1 > ${TRIVEX_PACKAGING}/trivex.1.gz
    DEPENDS ${TRIVEX_PACKAGING}/trivex.1)
  add_custom_command(OUTPUT ${TRIVEX_PACKAGING}/changelog.gz
    COMMAND gzip -9n -c ${TRIVEX_DIR}/packaging/changelog > ${TRIVEX_PACKAGING}/changelog.gz
    DEPENDS ${TRIVEX_DIR}/packaging/changelog)
  add_custom_target(trivex_packaging ALL DEPENDS ${TRIVEX_PACKAGING}/trivex.1.gz ${TRIVEX_PACKAGING}/changelog.gz)
  install(FILES ${TRIVEX_PACKAGING}/trivex.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${TRIVEX_PACKAGING}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/trivex)
endif()

install(TARGETS trivex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (the package) also drops the compilers' version notes, as
# Debian's own packages do.
if(CMAKE_OBJCOPY)
  install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/trivex\")
  endif()")
endif()
install(FILES ${TRIVEX_PACKAGING}/${TRIVEX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TRIVEX_PACKAGING}/${TRIVEX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TRIVEX_DIR}/packaging/trivex.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${TRIVEX_DIR}/packaging/trivex.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
# The examples are committed files; the glob only saves listing them twice.
file(GLOB TRIVEX_EXAMPLES ${TRIVEX_DIR}/examples/*.grf)
install(FILES ${TRIVEX_EXAMPLES} DESTINATION ${CMAKE_INSTALL_DATADIR}/trivex/examples)
# CMAKE_INSTALL_DOCDIR would take the project's capitalised name. The licence text
# itself is not copied: copyright points to the one every Debian system has.
install(FILES ${TRIVEX_DIR}/README.md ${TRIVEX_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/trivex)

add_subdirectory(${TRIVEX_DIR}/tools ${CMAKE_CURRENT_BINARY_DIR}/tools)

# Packaging belongs to the project that is built, not to one included in another.
if(TRIVEX_TOP_LEVEL)
  include(${TRIVEX_DIR}/packaging/cpack.cmake)
endif()
