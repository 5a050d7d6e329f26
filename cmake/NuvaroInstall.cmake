# Installation and the Debian package. The program folder goes to lib/nuvaro/ under the
# prefix as one piece (program, engine, platform library, plug-ins, companions, settings
# and sample lists), with launchers in bin/ and the desktop entry and icons in share/.
# The marker file nuvaro.installed tells the program to keep the user's data in the
# user's own data folder instead of its read-only program folder.
include(GNUInstallDirs)
set(NUVARO_INSTALL_DIR lib/nuvaro)

install(TARGETS Nuvaro nuvaro-cli NuvaroHelp NuvaroNavi RUNTIME DESTINATION ${NUVARO_INSTALL_DIR})
install(TARGETS Nuvacalc NuvaroPlatform LIBRARY DESTINATION ${NUVARO_INSTALL_DIR})
install(DIRECTORY ${NUVARO_PLUGIN_DIR}/ DESTINATION ${NUVARO_INSTALL_DIR}/nvr
        FILES_MATCHING PATTERN "*.nvr")
install(FILES ${NUVARO_BIN_DIR}/nuvaro.ini ${NUVARO_BIN_DIR}/Calendar.ior
              ${NUVARO_BIN_DIR}/friend.lst ${NUVARO_BIN_DIR}/lovers.lst ${NUVARO_BIN_DIR}/family.lst
              ${NUVARO_BIN_DIR}/business.lst ${NUVARO_BIN_DIR}/others.lst
        DESTINATION ${NUVARO_INSTALL_DIR})
file(WRITE ${CMAKE_BINARY_DIR}/install/nuvaro.installed
     "This program folder belongs to an installed package: user data lives in ~/.local/share/nuvaro.\n")
install(FILES ${CMAKE_BINARY_DIR}/install/nuvaro.installed DESTINATION ${NUVARO_INSTALL_DIR})

# Launchers: symbolic links, so the program still finds its folder through /proc/self/exe.
install(CODE "
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${bin}\")
  file(CREATE_LINK ../${NUVARO_INSTALL_DIR}/Nuvaro \"\${bin}/nuvaro\" SYMBOLIC)
  file(CREATE_LINK ../${NUVARO_INSTALL_DIR}/nuvaro-cli \"\${bin}/nuvaro-cli\" SYMBOLIC)
")

# The Debian package: library dependencies are found by dpkg-shlibdeps; what no library
# link shows (the platform plug-ins of Qt, the Japanese fonts the program's font names
# map to, Qt's Japanese texts) is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nuvaro)
set(CPACK_PACKAGE_VENDOR "Nuvaro")
set(CPACK_PACKAGE_CONTACT "Nuvaro developers <nuvaro@example.jp>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Name fortune telling from the strokes of Japanese names")
set(CPACK_PACKAGE_DESCRIPTION
    "ヌヴァロ君 reads compatibility, tactics and a month fortune calendar from the stroke counts of Japanese personal names.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY nuvaro)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${NUVARO_BIN_DIR})
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-ipaexfont-gothic, fonts-ipaexfont-mincho, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
