# Installation in the FHS and freedesktop layout, and the Debian package built by CPack from it.
include(GNUInstallDirs)

# The two camera libraries are the tool's own, kept out of the system's library path; the
# executables find them relative to themselves, so an install tree can be moved as a whole. On a
# multiarch system the private folder sits in the architecture's library folder, as Debian keeps
# architecture-dependent private files; CPack also takes a folder directly under lib/ for a
# multiarch library folder and would have the package run ldconfig for it.
if(CMAKE_LIBRARY_ARCHITECTURE)
    set(HALVEX_INSTALL_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/halvex)
else()
    set(HALVEX_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR}/halvex)
endif()
set(HALVEX_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/halvex)
file(RELATIVE_PATH HALVEX_BIN_TO_LIB /${CMAKE_INSTALL_BINDIR} /${HALVEX_INSTALL_LIBDIR})
file(RELATIVE_PATH HALVEX_BIN_TO_DATA /${CMAKE_INSTALL_BINDIR} /${HALVEX_INSTALL_DATADIR})

# The window and, where it is built, the production line's calibration command.
set(HALVEX_PROGRAMS halvex)
if(TARGET halvex-calibrate)
    list(APPEND HALVEX_PROGRAMS halvex-calibrate)
endif()
set_target_properties(${HALVEX_PROGRAMS} PROPERTIES INSTALL_RPATH "$ORIGIN/${HALVEX_BIN_TO_LIB}")
set_target_properties(Quorvin PROPERTIES INSTALL_RPATH "$ORIGIN")
# The read-only factory default.ini that seeds each technician's own folder.
target_compile_definitions(halvex PRIVATE
                           HALVEX_FACTORY_INI="${HALVEX_BIN_TO_DATA}/default.ini")
# The build tree holds the factory file at the same place relative to the executable.
get_target_property(HALVEX_BUILD_BINDIR halvex BINARY_DIR)
configure_file(data/default.ini ${HALVEX_BUILD_BINDIR}/${HALVEX_BIN_TO_DATA}/default.ini COPYONLY)

install(TARGETS ${HALVEX_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS VX3lib Quorvin LIBRARY DESTINATION ${HALVEX_INSTALL_LIBDIR})
install(FILES data/default.ini DESTINATION ${HALVEX_INSTALL_DATADIR})
install(FILES packaging/halvex.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${PROJECT_BINARY_DIR}/packaging/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
# Manual pages and the package's documents, compressed at build time (packaging/CMakeLists.txt).
# The documents' folder is named after the package, whatever the project's name.
foreach(program IN LISTS HALVEX_PROGRAMS)
    install(FILES ${PROJECT_BINARY_DIR}/packaging/${program}.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES packaging/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/halvex)

set(CPACK_PACKAGE_NAME halvex)
set(CPACK_PACKAGE_VENDOR "Corvane")
set(CPACK_PACKAGE_CONTACT "Corvane Service <service@corvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "maintenance and adjustment tool of the Corvane USB microscope camera")
# One text, broken into the lines the package shows (a list of strings would join with ";").
set(CPACK_PACKAGE_DESCRIPTION [[
Shows the camera's live image with measuring overlays, adjusts the image
sensor live, calibrates colour on a white target, captures still images
and edits the settings file default.ini.]])
if(TARGET halvex-calibrate)
    string(APPEND CPACK_PACKAGE_DESCRIPTION "\n\n" [[
halvex-calibrate runs the colour calibration without a display, for the
production line, and reports its verdict in its exit status.]])
endif()
string(APPEND CPACK_PACKAGE_DESCRIPTION "\n\n" [[
Ships the simulated camera library for training without a camera.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# Dependencies come from the libraries the binaries link (dpkg-shlibdeps finds the private ones
# through their RUNPATH); the one addition is Qt's platform plugins, loaded at run time and so
# invisible to it, without which the window cannot open on a desktop.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# The dialogs are laid out for Arial; Liberation Sans has its metrics.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
include(CPack)
