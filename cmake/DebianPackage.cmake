# `cpack -G DEB` in a build folder makes tonvale_<version>_<arch>.deb of what `cmake --install`
# puts under the configured prefix (scripts/package.sh configures /usr). The libraries' packages
# come from dpkg-shlibdeps; what the program only finds at run time is declared by hand. The
# desktop's menu, MIME and icon caches are refreshed by the triggers of their own packages.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tonvale)
set(CPACK_PACKAGE_VENDOR Quillon)
set(CPACK_PACKAGE_CONTACT "Quillon <tonvale@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop piano with numbered-notation scores")
set(CPACK_PACKAGE_DESCRIPTION
    "An 88-key piano played from the computer keyboard or the mouse, sounding
through a built-in General MIDI synthesizer or any MIDI output port. It plays
score files in numbered musical notation (.piano), keeps a playing list,
playlists (.plist), favorites and recent files, and records what is played
into a new score. The interface is Chinese.")
# The package's version is that of the newest entry of its changelog, which must be an entry
# for this version of the program.
file(STRINGS ${PROJECT_SOURCE_DIR}/resources/debian/changelog tonvale_newest_entry LIMIT_COUNT 1)
if(NOT tonvale_newest_entry MATCHES "^tonvale \\(([^)]+)-([^-)]+)\\)"
   OR NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "resources/debian/changelog: the newest entry (${tonvale_newest_entry}) "
                      "is not for version ${PROJECT_VERSION}: add one for it")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_2})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tonvale.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The built-in synthesizer's sounds; Chinese text needs a CJK font, and the icons their theme.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fluid-soundfont-gm)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk, hicolor-icon-theme")
include(CPack)
