# The Debian package: `cpack -G DEB` in the build folder makes
# orvane_<version>_<arch>.deb with both programs, the desktop entry, the icon,
# the chart file type, the man pages and the bash completion.
#
# Dependencies: the shared libraries the programs link (Qt 6 and any other
# library) are found by dpkg-shlibdeps (package dpkg-dev). Packages the
# programs need at run time without linking them go into ORVANE_DEB_DEPENDS:
# list(APPEND ORVANE_DEB_DEPENDS "some-data-package") anywhere before this
# file is included (it is included last).

set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvane")
set(CPACK_PACKAGE_CONTACT "Orvane developers <orvane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Vedic astrology charts, dasas, strengths and Tajaka annual charts")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvane casts a chart from a birth moment and place and derives divisional charts, panchanga, special lagnas and upagrahas, dasa periods, ashtakavarga, shadbala and the Tajaka annual charts. It shows them as chart diagrams and report text (orvane, Qt 6) and prints them for scripts as text or JSON (orvane-cli).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)

# Fonts the chart drawing asks for by name (and the Noto fonts of the Indian
# scripts the translations show), the zone database, and the Swiss
# Ephemeris' data files (the basic ones for the common range; the standard
# ones widen it, and without them the engine's analytical mode takes over and
# says so).
list(APPEND ORVANE_DEB_DEPENDS fonts-liberation fonts-noto-core tzdata swe-basic-data)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS swe-standard-data)

find_program(ORVANE_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(ORVANE_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  # Without dpkg-shlibdeps: the libraries of Debian 12 by name.
  list(APPEND ORVANE_DEB_DEPENDS libc6 libstdc++6 libgcc-s1 libical3)
  if(TARGET orvane)
    list(APPEND ORVANE_DEB_DEPENDS libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6
         libqt6network6)
  endif()
endif()
list(REMOVE_DUPLICATES ORVANE_DEB_DEPENDS)
list(JOIN ORVANE_DEB_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

include(CPack)
