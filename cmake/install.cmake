# Installation: the game in a folder of its own with its content beside it, a launcher, the
# author's tool, the desktop entry, metainfo, icons, manual pages and the package's documents;
# CPack builds a .deb.
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

# Debian keeps manual pages and the changelog compressed, without a name or time stamp inside.
set(ZOA_DOC_FOLDER ${CMAKE_BINARY_DIR}/doc)
file(MAKE_DIRECTORY ${ZOA_DOC_FOLDER})
set(ZOA_COMPRESSED_DOCS)
foreach(source docs/zoa.6 docs/zoa-content.1 packaging/changelog)
    get_filename_component(name ${source} NAME)
    add_custom_command(
        OUTPUT ${ZOA_DOC_FOLDER}/${name}.gz
        COMMAND gzip -9n --stdout ${CMAKE_SOURCE_DIR}/${source} > ${ZOA_DOC_FOLDER}/${name}.gz
        DEPENDS ${CMAKE_SOURCE_DIR}/${source}
        VERBATIM
    )
    list(APPEND ZOA_COMPRESSED_DOCS ${ZOA_DOC_FOLDER}/${name}.gz)
endforeach()
add_custom_target(zoa_docs ALL DEPENDS ${ZOA_COMPRESSED_DOCS})
install(FILES ${ZOA_DOC_FOLDER}/zoa.6.gz DESTINATION share/man/man6)
install(FILES ${ZOA_DOC_FOLDER}/zoa-content.1.gz DESTINATION share/man/man1)
install(FILES ${ZOA_DOC_FOLDER}/changelog.gz ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION share/doc/zoa)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION share/lintian/overrides RENAME zoa)

# The demo story as an example for authors: one sources folder, its UTF-8 scripts in story/, the
# pictures the build made in pictures/ with their UTF-8 descriptions beside them, and the sounds in
# sounds/, that a copy packs into a game folder ("zoa-content pack demo -o game").
set(ZOA_EXAMPLE_FOLDER share/doc/zoa/examples/demo)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/content/story DESTINATION ${ZOA_EXAMPLE_FOLDER}
        FILES_MATCHING PATTERN "*.txt")
install(DIRECTORY ${CMAKE_BINARY_DIR}/dat2/ DESTINATION ${ZOA_EXAMPLE_FOLDER}/pictures
        FILES_MATCHING PATTERN "*.bmp")
install(DIRECTORY ${CMAKE_SOURCE_DIR}/content/pictures/ DESTINATION ${ZOA_EXAMPLE_FOLDER}/pictures
        FILES_MATCHING PATTERN "*.description")
install(DIRECTORY ${CMAKE_BINARY_DIR}/dat2/ DESTINATION ${ZOA_EXAMPLE_FOLDER}/sounds
        FILES_MATCHING PATTERN "*.wav")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zoa)
set(CPACK_PACKAGE_VENDOR "ZOA")
set(CPACK_PACKAGE_CONTACT "ZOA developers <developers@zoagame.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Short Japanese sound novel")
# Lines of at most 79 characters: the package's control file gives each a leading space.
set(CPACK_PACKAGE_DESCRIPTION "ZOA types each scene of its story into a nine-line text window,
shows the scene's picture and the face of the character met, and lets
the player pick one of two answers.

Includes zoa-content, the story author's tool that packs, checks, maps
and previews a story.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_STRIP_FILES ON)
# dpkg-shlibdeps adds the libraries the programs link; SDL and its mixer are opened at run time,
# Qt's platform plugins are loaded by Qt itself.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libsdl2-2.0-0, libsdl2-mixer-2.0-0, fonts-ipafont-gothic | fonts-noto-cjk")
# Without it the game still runs on a Wayland desktop, through Xwayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
