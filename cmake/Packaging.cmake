# Installing as a desktop program, and the Debian package "cpack -G DEB" makes of it.
set(QUILLO_MAINTAINER "Quillo Console maintainers <maintainers@quillo.example>")
set(QUILLO_DATA ${CMAKE_SOURCE_DIR}/data)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS quillo quillo-room quillo-irc RUNTIME DESTINATION ${QUILLO_INSTALL_GAMESDIR})
# A module, not a shared library a program links: no soname, no executable bit.
install(TARGETS quillo-socket-client LIBRARY DESTINATION ${QUILLO_INSTALL_MODULEDIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
# The menu entries start the programs by their full path, since /usr/games is not on root's
# PATH; the path is known only when installing (cpack installs under another prefix).
install(CODE "
    set(QUILLO_GAMES \"\${CMAKE_INSTALL_PREFIX}/${QUILLO_INSTALL_GAMESDIR}\")
    string(MD5 into \"\$ENV{DESTDIR}\${QUILLO_GAMES}\") # installs elsewhere may run meanwhile
    foreach(entry org.quillo.Console org.quillo.PracticeRoom)
        configure_file(${QUILLO_DATA}/\${entry}.desktop.in
                       ${CMAKE_BINARY_DIR}/entries/\${into}/\${entry}.desktop @ONLY)
        file(INSTALL ${CMAKE_BINARY_DIR}/entries/\${into}/\${entry}.desktop
             DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
    endforeach()")
install(FILES ${QUILLO_DATA}/org.quillo.Console.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QUILLO_DATA}/icons/org.quillo.Console.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${QUILLO_DATA}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Manual pages and the changelog go compressed, the way Debian keeps them; -n keeps the
# archives the same from one build to the next.
set(QUILLO_DOC_DIR ${CMAKE_BINARY_DIR}/doc)
configure_file(${QUILLO_DATA}/changelog.in ${QUILLO_DOC_DIR}/changelog @ONLY)
set(compressed ${QUILLO_DOC_DIR}/changelog.gz)
add_custom_command(OUTPUT ${QUILLO_DOC_DIR}/changelog.gz
                   COMMAND gzip -9n -f -k ${QUILLO_DOC_DIR}/changelog
                   DEPENDS ${QUILLO_DOC_DIR}/changelog)
foreach(page quillo quillo-room quillo-irc)
    add_custom_command(OUTPUT ${QUILLO_DOC_DIR}/${page}.6.gz
                       COMMAND gzip -9n -c ${QUILLO_DATA}/man/${page}.6 > ${QUILLO_DOC_DIR}/${page}.6.gz
                       DEPENDS ${QUILLO_DATA}/man/${page}.6)
    install(FILES ${QUILLO_DOC_DIR}/${page}.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
    list(APPEND compressed ${QUILLO_DOC_DIR}/${page}.6.gz)
endforeach()
add_custom_target(quillo_docs ALL DEPENDS ${compressed})
install(FILES ${QUILLO_DOC_DIR}/changelog.gz ${QUILLO_DATA}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillo)

set(CPACK_PACKAGE_NAME quillo)
set(CPACK_PACKAGE_VENDOR "Quillo Console developers")
set(CPACK_PACKAGE_CONTACT ${QUILLO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "host's console for the card game Quillo in a chat")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs load, found by dpkg-shlibdeps; nothing more: an IRC server and the
# test tools are for the tests, not for a host.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The summary above becomes its first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quillo is a higher/lower card game with wagers, played with real cards in a
chat room. Quillo Console is the host's program: it announces each step in
the chat, compares the cards the host turns, scores the wagers, registers
players, keeps a game log from which an interrupted game can be recovered,
and adds the scores of each game to monthly points.

It hosts in an IRC channel through its bridge, quillo-irc, or in a practice
room to try a game alone.")
include(CPack)
