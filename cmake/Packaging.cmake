# The Debian package (scripts/package builds it from a Release tree installed to /usr).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME r5k27-programmer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR BRELLOCK)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for the BRELLOCK R5K27 transceiver")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads the memory of a BRELLOCK R5K27 10-metre transceiver over its programming cable, edits\n\
channels, groups, optional features, DTMF codes and roger-beep tones, keeps them in data\n\
files and writes them back to one radio or a batch of radios. English and Chinese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "R5K27 Programmer developers <r5k27@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries come from the programs' own links; the Chinese font and Qt's own Chinese
# texts are needed only by what the programs show; the SQLite driver of the radio history is a
# plugin, which no link names.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# udev learns about the cable rule at once instead of at the next boot.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/install/debian/postinst
                                       ${PROJECT_SOURCE_DIR}/install/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
