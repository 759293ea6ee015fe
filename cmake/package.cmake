# Installing and packaging.
#
# Component app, the plain install and the whole ZIP: tinctora.exe,
# README.md and LICENSE side by side, nothing else.
#     cmake --build --preset windows --target package
#
# Component linux, only when asked for: a launcher that runs the program
# under Wine, with a desktop entry for the menus.
#     cmake --install build/windows --component linux --prefix ~/.local
# gives bin/tinctora, share/tinctora/tinctora.exe and its icon, and
# share/applications/tinctora.desktop.

install(TARGETS tinctora RUNTIME DESTINATION . COMPONENT app)
install(FILES README.md LICENSE DESTINATION . COMPONENT app)

install(PROGRAMS packaging/tinctora.sh DESTINATION bin RENAME tinctora
        COMPONENT linux EXCLUDE_FROM_ALL)
install(TARGETS tinctora RUNTIME DESTINATION share/tinctora COMPONENT linux EXCLUDE_FROM_ALL)
install(FILES res/tinctora.ico DESTINATION share/tinctora COMPONENT linux EXCLUDE_FROM_ALL)
# The desktop entry names the launcher by its absolute path, known only
# once --prefix is: so it is written at install time.
install(CODE "set(desktop_template \"${CMAKE_SOURCE_DIR}/packaging/tinctora.desktop.in\")"
        COMPONENT linux EXCLUDE_FROM_ALL)
install(CODE [[
    set(launcher "${CMAKE_INSTALL_PREFIX}/bin/tinctora")
    set(icon "${CMAKE_INSTALL_PREFIX}/share/tinctora/tinctora.ico")
    set(desktop_file "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/tinctora.desktop")
    message(STATUS "Installing: ${desktop_file}")
    configure_file("${desktop_template}" "${desktop_file}" @ONLY)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${desktop_file}")
]] COMPONENT linux EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_VENDOR "Tinctora developers")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};app;/")
include(CPack)

# Packs into a scratch folder and lists what the ZIP holds.
add_test(NAME package.contents
         COMMAND ${CMAKE_COMMAND} -DCPACK=${CMAKE_CPACK_COMMAND}
                 -DCONFIG=${CMAKE_BINARY_DIR}/CPackConfig.cmake
                 -DOUT=${CMAKE_BINARY_DIR}/package-check
                 -P ${CMAKE_SOURCE_DIR}/packaging/check-zip.cmake)
