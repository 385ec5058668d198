# Installation of the program as a desktop application (binary, menu entry, icon,
# the graph-file type, the examples, the README), the tools that make the examples
# and the screenshot, and the Debian package settings.
include(GNUInstallDirs)

install(TARGETS trivex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TRIVEX_DIR}/packaging/trivex.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TRIVEX_DIR}/packaging/trivex.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${TRIVEX_DIR}/packaging/trivex.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
# The examples are committed files; the glob only saves listing them twice.
file(GLOB TRIVEX_EXAMPLES ${TRIVEX_DIR}/examples/*.grf)
install(FILES ${TRIVEX_EXAMPLES} DESTINATION ${CMAKE_INSTALL_DATADIR}/trivex/examples)
# CMAKE_INSTALL_DOCDIR would take the project's capitalised name.
install(FILES ${TRIVEX_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/trivex)

add_subdirectory(${TRIVEX_DIR}/tools ${CMAKE_CURRENT_BINARY_DIR}/tools)

# Packaging belongs to the project that is built, not to one included in another.
if(TRIVEX_TOP_LEVEL)
  include(${TRIVEX_DIR}/packaging/cpack.cmake)
endif()
