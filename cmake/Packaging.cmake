# Installs the drill like any desktop program (the executable, a menu entry,
# an icon and the software-centre description, all named by DRILL_APP_ID)
# and describes the Debian package that `cpack` builds from that install.

install(TARGETS density-drill RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${DRILL_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${DRILL_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/${DRILL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME density-drill)
set(CPACK_PACKAGE_VENDOR "Density drill maintainers")
set(CPACK_PACKAGE_CONTACT "Density drill maintainers <maintainers@densitydrill.invalid>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/densitydrill/density-drill")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "density drill for school science (密度の練習問題)")
set(CPACK_PACKAGE_DESCRIPTION [[
Ten questions on density, in Japanese. Each shows a block built of
one-cubic-centimetre cubes and its weight in gram-weight; the pupil counts
the cubes, divides, and enters the density on an on-screen keypad.
A right answer scores 10 points; a wrong one shows the correct answer.]])
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The Qt libraries come from dpkg-shlibdeps; the Japanese texts want a
# Japanese Gothic font, which no linker dependency names.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
include(CPack)
