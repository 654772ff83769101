# Installation: `cmake --install <build> --prefix P` lays out
#   P/bin/                        mordaventa, mordaventa-tool
#   P/lib/mordaventa/             the sound card and network modules, opened at
#                                 the first sound and the first web page or socket
#   P/share/mordaventa/           the read-only program data: every folder the
#                                 build made in its program folder (Dictionary/,
#                                 Sounds/, data/, ...) except temp/
#   P/share/applications/         one desktop entry per game
#   P/share/metainfo/             the AppStream description
#   P/share/icons/hicolor/        the icons drawn by tools/pictures
#   P/share/man/man1/             the manual of mordaventa-tool
# The installed program finds its data in ../share/mordaventa beside its bin/
# folder and keeps each user's files in that user's data folder (see
# shell/ProgramFolder.h), so these two folder names are fixed here.
set(MORDAVENTA_INSTALL_DATA_DIR share/mordaventa)

install(TARGETS mordaventa mordaventa-tool RUNTIME DESTINATION bin)
# The modules, found from bin/ as ../lib/mordaventa (shell/LateLibrary.h).
install(TARGETS mordaventa_audio mordaventa_net LIBRARY DESTINATION lib/mordaventa)

# Whatever data files the build lays out in its program folder are installed,
# so a new folder or file needs no edit here. The build tree's own player and
# scratch files (temp/) and leftovers of an interrupted write are not.
string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\1" home_pattern "${MORDAVENTA_HOME_DIR}")
install(DIRECTORY ${MORDAVENTA_HOME_DIR}/
    DESTINATION ${MORDAVENTA_INSTALL_DATA_DIR}
    FILES_MATCHING REGEX "^${home_pattern}/[^/]+/"
    PATTERN "temp" EXCLUDE
    PATTERN "temp.txt" EXCLUDE
    PATTERN "*-journal" EXCLUDE
    PATTERN "*-wal" EXCLUDE
    PATTERN "*-shm" EXCLUDE
    PATTERN "*partial*" EXCLUDE
    PATTERN "SpellingGrammar.mdb" EXCLUDE)
# The default board as built, not the program folder's copy that playing from
# the build tree has written to (see tools/boarddata).
install(FILES ${CMAKE_BINARY_DIR}/boarddata/SpellingGrammar.mdb
    DESTINATION ${MORDAVENTA_INSTALL_DATA_DIR}/data)

file(GLOB desktop_entries CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/packaging/*.desktop)
install(FILES ${desktop_entries} DESTINATION share/applications)

configure_file(${CMAKE_SOURCE_DIR}/packaging/org.mordaventa.Mordaventa.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/packaging/org.mordaventa.Mordaventa.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/org.mordaventa.Mordaventa.metainfo.xml
    DESTINATION share/metainfo)

install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/icons/hicolor DESTINATION share/icons)

configure_file(${CMAKE_SOURCE_DIR}/packaging/mordaventa-tool.1.in
    ${CMAKE_BINARY_DIR}/packaging/mordaventa-tool.1 @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/mordaventa-tool.1 DESTINATION share/man/man1)
