# Installation. The program folder goes to lib/nuvaro/ under the prefix as one piece
# (program, engine, platform library, plug-ins, companions, settings and sample lists),
# with launchers in bin/, and the desktop entries, icons, AppStream metadata and manual
# pages in share/. The marker file nuvaro.installed tells the program to keep the user's
# data in the user's own data folder instead of its read-only program folder.
#
# The Debian package is built from debian/ by dpkg-buildpackage, which runs these rules
# into its staging tree (no CPack: debhelper strips into a -dbgsym package, finds library
# dependencies, installs the changelog and copyright, and lintian checks the result).
include(GNUInstallDirs)
set(NUVARO_INSTALL_DIR lib/nuvaro)

install(TARGETS Nuvaro nuvaro-cli NuvaroHelp NuvaroNavi RUNTIME DESTINATION ${NUVARO_INSTALL_DIR})
install(TARGETS Nuvacalc NuvaroPlatform LIBRARY DESTINATION ${NUVARO_INSTALL_DIR})
get_property(nuvaro_plugins GLOBAL PROPERTY NUVARO_PLUGIN_TARGETS)
install(TARGETS ${nuvaro_plugins} LIBRARY DESTINATION ${NUVARO_INSTALL_DIR}/nvr)
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
