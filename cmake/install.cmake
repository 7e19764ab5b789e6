# Installation: the game in a folder of its own with its content beside it, a launcher, the
# author's tool, the desktop entry, metainfo, icons and manual page; CPack builds a .deb.
set(ZOA_GAME_FOLDER lib/zoa)

install(TARGETS zoa RUNTIME DESTINATION ${ZOA_GAME_FOLDER})
install(DIRECTORY ${CMAKE_BINARY_DIR}/dat1 ${CMAKE_BINARY_DIR}/dat2 DESTINATION ${ZOA_GAME_FOLDER})

# The launcher is a relative symbolic link: the game follows it to find its content.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/launcher)
file(CREATE_LINK ../${ZOA_GAME_FOLDER}/zoa ${CMAKE_BINARY_DIR}/launcher/zoa SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/launcher/zoa DESTINATION games)

install(TARGETS zoa-content RUNTIME DESTINATION bin)

# The desktop entry names the launcher under the prefix used at install time.
set(ZOA_DESKTOP_FILE ${CMAKE_BINARY_DIR}/packaging/org.zoagame.Zoa.desktop)
install(CODE "
    set(ZOA_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/games/zoa\")
    configure_file(\"${CMAKE_SOURCE_DIR}/packaging/org.zoagame.Zoa.desktop.in\"
                   \"${ZOA_DESKTOP_FILE}\" @ONLY)
")
install(FILES ${ZOA_DESKTOP_FILE} DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/org.zoagame.Zoa.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${ZOA_ICON_FOLDER} DESTINATION share/icons)
install(FILES ${CMAKE_SOURCE_DIR}/docs/zoa-content.1 DESTINATION share/man/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zoa)
set(CPACK_PACKAGE_VENDOR "ZOA")
set(CPACK_PACKAGE_CONTACT "ZOA developers <zoa@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Short Japanese sound novel")
set(CPACK_PACKAGE_DESCRIPTION "ZOA types each scene of its story into a nine-line text window, \
shows the scene's picture and the face of the character met, and lets the player pick one of two \
answers. Includes zoa-content, the story author's packing and checking tool.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins, \
libsdl2-2.0-0, libsdl2-mixer-2.0-0, libgvc6, libcgraph6, fonts-ipafont-gothic | fonts-noto-cjk")
# Without it the game still runs on a Wayland desktop, through Xwayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
