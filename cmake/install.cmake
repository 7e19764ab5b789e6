# Installation: the game in a folder of its own, a launcher, the author's tool, the desktop entry,
# metainfo, icons and manual pages; the demo story once, under share/games/zoa. debian/ packages
# this tree.
#
#   lib/zoa/zoa                  the game; its dat1/ and dat2/ beside it are links to the story
#   games/zoa                    the launcher, a link to lib/zoa/zoa
#   share/games/zoa/dat1/        the packed scripts (code page 932), as the game reads them
#   share/games/zoa/dat2/        links to the pictures and sounds of the sources below
#   share/games/zoa/demo/        the story's sources for authors to copy: story/ (UTF-8 scripts),
#                                pictures/ (with their UTF-8 descriptions) and sounds/, byte for
#                                byte what pack makes of them
set(ZOA_GAME_FOLDER lib/zoa)
set(ZOA_STORY_FOLDER share/games/zoa)

install(TARGETS zoa RUNTIME DESTINATION ${ZOA_GAME_FOLDER})
install(TARGETS zoa-content RUNTIME DESTINATION bin)

# Relative symbolic links, made here and installed as links. The game finds its content beside
# the real program file, so dat1/ and dat2/ are reached through the links from lib/zoa.
set(ZOA_LINK_FOLDER ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${ZOA_LINK_FOLDER}/games ${ZOA_LINK_FOLDER}/game)
file(CREATE_LINK ../${ZOA_GAME_FOLDER}/zoa ${ZOA_LINK_FOLDER}/games/zoa SYMBOLIC)
foreach(folder dat1 dat2)
    file(CREATE_LINK ../../${ZOA_STORY_FOLDER}/${folder} ${ZOA_LINK_FOLDER}/game/${folder} SYMBOLIC)
endforeach()
install(FILES ${ZOA_LINK_FOLDER}/games/zoa DESTINATION games)
install(FILES ${ZOA_LINK_FOLDER}/game/dat1 ${ZOA_LINK_FOLDER}/game/dat2
        DESTINATION ${ZOA_GAME_FOLDER})

set(ZOA_DEMO_FOLDER ${ZOA_STORY_FOLDER}/demo)
install(DIRECTORY ${CMAKE_BINARY_DIR}/dat1 DESTINATION ${ZOA_STORY_FOLDER})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/content/story DESTINATION ${ZOA_DEMO_FOLDER}
        FILES_MATCHING PATTERN "*.txt")
install(DIRECTORY ${CMAKE_BINARY_DIR}/dat2/ DESTINATION ${ZOA_DEMO_FOLDER}/pictures
        FILES_MATCHING PATTERN "*.bmp")
install(DIRECTORY ${CMAKE_SOURCE_DIR}/content/pictures/ DESTINATION ${ZOA_DEMO_FOLDER}/pictures
        FILES_MATCHING PATTERN "*.description")
install(DIRECTORY ${CMAKE_BINARY_DIR}/dat2/ DESTINATION ${ZOA_DEMO_FOLDER}/sounds
        FILES_MATCHING PATTERN "*.wav")
# dat2/ holds one link for each installed picture and sound, so the 9 MB are installed once.
install(CODE "
    set(story \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ZOA_STORY_FOLDER}\")
    file(MAKE_DIRECTORY \"\${story}/dat2\")
    foreach(kind pictures sounds)
        file(GLOB names RELATIVE \"\${story}/demo/\${kind}\" \"\${story}/demo/\${kind}/*\")
        foreach(name IN LISTS names)
            file(CREATE_LINK \"../demo/\${kind}/\${name}\" \"\${story}/dat2/\${name}\" SYMBOLIC)
        endforeach()
    endforeach()
")

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
install(FILES ${CMAKE_SOURCE_DIR}/docs/zoa.6 DESTINATION share/man/man6)
install(FILES ${CMAKE_SOURCE_DIR}/docs/zoa-content.1 DESTINATION share/man/man1)
