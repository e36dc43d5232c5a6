# Install rules beside those of the program, its desktop entry, MIME type and icons
# (src/app) and the manual (docs): the AppStream metainfo that software centres read
# and the man page. make install and make package both follow every install rule.
include(GNUInstallDirs)

install(FILES ${PROJECT_SOURCE_DIR}/resources/org.morvaine.Morvaine.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Man pages are installed compressed, as man-db and Debian expect; -n keeps the
# name and time out of the archive, so the same page gives the same bytes.
find_program(MORVAINE_GZIP gzip REQUIRED)
set(man_page ${CMAKE_BINARY_DIR}/man/morvaine.1)
add_custom_command(OUTPUT ${man_page}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/docs/morvaine.1 ${man_page}
    COMMAND ${MORVAINE_GZIP} -9nf ${man_page}
    DEPENDS ${PROJECT_SOURCE_DIR}/docs/morvaine.1
    COMMENT "Compressing the man page"
    VERBATIM)
add_custom_target(man_page ALL DEPENDS ${man_page}.gz)
install(FILES ${man_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
