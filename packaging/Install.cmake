# Install layout and the Debian package: the programs in bin/, the shipped data in
# share/veskor-reader/ (never the calibration database text, which is built into the
# program), a desktop entry and the program's icon.
include(GNUInstallDirs)

install(TARGETS veskor-reader veskor-cli veskor-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A database of one's own kept in data/ under another name stays out as well.
get_filename_component(veskor_db_dir ${VESKOR_CALIBRATION_DB} DIRECTORY)
get_filename_component(veskor_db_name ${VESKOR_CALIBRATION_DB} NAME)
set(veskor_db_exclude)
if(veskor_db_dir STREQUAL VESKOR_DATA_DIR)
  set(veskor_db_exclude PATTERN ${veskor_db_name} EXCLUDE)
endif()
install(DIRECTORY ${VESKOR_DATA_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/veskor-reader
  PATTERN calibrations.txt EXCLUDE ${veskor_db_exclude})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/veskor-reader.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/veskor-reader.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/veskor-reader.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/veskor-reader)

set(CPACK_PACKAGE_NAME veskor-reader)
set(CPACK_PACKAGE_VENDOR "VeskorReader")
set(CPACK_PACKAGE_CONTACT "VeskorReader developers <veskor-reader@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Diagnostic workstation for Ford EEC-IV engine control units")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The libraries the programs link come from dpkg-shlibdeps; Qt loads its platform plugin
# at run time, so that package is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
# The Russian texts need a font with Cyrillic letters.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
include(CPack)

if(VESKOR_BUILD_TESTS)
  add_test(NAME install_smoke
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
            -P ${CMAKE_CURRENT_LIST_DIR}/InstallSmokeTest.cmake)
  set_tests_properties(install_smoke PROPERTIES TIMEOUT 60)
endif()
