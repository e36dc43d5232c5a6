# make package: a Debian package of everything make install installs, built by CPack.
# dpkg-shlibdeps works out the libraries the program needs; what it loads by name
# (the stand-in font) and what opens its help links are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvaine)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Morvaine)
set(CPACK_PACKAGE_CONTACT "Morvaine <info@morvaine.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop project planner with a task table and a Gantt chart")
# Control-file lines stay short; CPack indents each one.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Morvaine holds one project per window: a table of tasks on the left and a"
    "Gantt chart of the same rows on the right. It fills in and moves dates from"
    "durations, finish-to-start links and a working calendar, fits group tasks to"
    "their sub-tasks, marks a critical path, keeps resources with hourly costs,"
    "shows a total report, prints with a preview, exports a JPEG picture, reads"
    "and writes MS Project XML and saves to its own .mrv project files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.morvaine.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
# Qt's own translations let its dialogs speak the German or Russian of the menus.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")

include(CPack)
