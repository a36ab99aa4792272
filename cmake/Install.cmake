# Installation and Debian packaging.
#
# `cmake --install` lays the programs out as a desktop program: binaries in bin/, the song catalogue,
# meter files and example charts in share/tarveno/ (the programs look there, relative to their own
# folder, when nothing lies beside them), and the desktop entry, MIME types, AppStream metadata,
# icons and the tarveno-cli man page where desktops expect them. `cpack -G DEB` wraps the same tree
# into a Debian package. Included last from the top-level CMakeLists.txt, so every target exists.

include(GNUInstallDirs)

set(TARVENO_APP_ID org.tarveno.Tarveno)
set(TARVENO_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

# ---- programs and their read-only data ----
install(TARGETS tarveno-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The translations are bundled in the programs too; installed, they can be read and replaced.
install(FILES ${TARVENO_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/tarveno/translations)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tarveno)
# Debian keeps each package's licence terms in its documentation folder.
install(FILES ${TARVENO_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarveno)

# The file types are worth registering even without the editor: file managers then name them.
install(FILES ${TARVENO_PACKAGING_DIR}/${TARVENO_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

if(TARGET tarveno)
  install(TARGETS tarveno RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${TARVENO_PACKAGING_DIR}/${TARVENO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  # The release entry carries the project's version and release date.
  configure_file(${TARVENO_PACKAGING_DIR}/${TARVENO_APP_ID}.metainfo.xml.in
                 ${PROJECT_BINARY_DIR}/${TARVENO_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/${TARVENO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # The PNGs are rendered from the SVG once and committed (packaging/icons/render-icons.sh), so the
  # build needs no SVG renderer.
  install(DIRECTORY ${TARVENO_PACKAGING_DIR}/icons/hicolor/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${TARVENO_PACKAGING_DIR}/icons/${TARVENO_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# ---- man page, generated from the batch tool's own --help and --version ----
# Generated on every build of tarveno-cli, so the page never falls behind the help text. Without
# help2man (or when the tool cannot run on this machine) the page is left out with a warning
# rather than failing the configure step: a developer build does not need it.
find_program(TARVENO_HELP2MAN help2man)
if(NOT TARVENO_HELP2MAN)
  message(WARNING "help2man not found: the tarveno-cli man page will be neither built nor installed "
                  "(Debian package: help2man).")
elseif(CMAKE_CROSSCOMPILING)
  message(WARNING "Cross-compiling: tarveno-cli cannot run here, so its man page is left out.")
else()
  set(TARVENO_MAN_PAGE ${PROJECT_BINARY_DIR}/man/tarveno-cli.1)
  add_custom_command(
    OUTPUT ${TARVENO_MAN_PAGE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND ${TARVENO_HELP2MAN} --no-info --section=1 "--manual=User Commands"
            "--name=convert, inspect and render TARVENO step chart files"
            --include=${TARVENO_PACKAGING_DIR}/tarveno-cli.h2m --output=${TARVENO_MAN_PAGE}
            $<TARGET_FILE:tarveno-cli>
    DEPENDS tarveno-cli ${TARVENO_PACKAGING_DIR}/tarveno-cli.h2m
    COMMENT "Generating the tarveno-cli man page"
    VERBATIM)
  add_custom_target(tarveno_man ALL DEPENDS ${TARVENO_MAN_PAGE})
  install(FILES ${TARVENO_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# ---- Debian package (cpack -G DEB) ----
set(CPACK_PACKAGE_NAME tarveno)
set(CPACK_PACKAGE_VENDOR "The TARVENO developers")
set(CPACK_PACKAGE_CONTACT "TARVENO maintainers <maintainers@tarveno.example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "step chart editor for the KRU dance game")
set(CPACK_PACKAGE_DESCRIPTION
    "TARVENO draws, converts and lays out step charts for KRU dance pads:
single, couple and double charts with freeze arrows, read and written as
KRUN chart text files (.kru) and as console memory-card saves (.mc).
The interface is in Japanese. The package also holds tarveno-cli, which
converts, inspects and renders chart files in batch.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tarveno.example.org/")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The desktop entry files the editor under Utility; Debian's matching section is utils.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# What the binaries link against (the Qt 6 libraries, libstdc++) is read from them by dpkg-shlibdeps,
# which also gets the package names right on releases that rename them. What they load at run time
# is listed by hand: the platform plugins, Qt's own Japanese translations, the Japanese font, and
# the GStreamer plugins through which playback decodes a song's music (OGG/Vorbis in -base, MP3,
# FLAC and WAV in -good).
set(TARVENO_DEB_LINKED libc6 libstdc++6 libgcc-s1 libaubio5 libsoundtouch1)
set(TARVENO_DEB_LOADED "")
if(TARGET tarveno)
  list(APPEND TARVENO_DEB_LINKED libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6multimedia6
       libdeflate0)
  list(APPEND TARVENO_DEB_LOADED qt6-qpa-plugins qt6-translations-l10n fonts-ipafont-gothic
       gstreamer1.0-plugins-base gstreamer1.0-plugins-good)
endif()
find_program(TARVENO_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TARVENO_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(TARVENO_DEB_DEPENDS ${TARVENO_DEB_LOADED})
else()
  message(STATUS "dpkg-shlibdeps not found (Debian package dpkg-dev): the package lists its libraries by hand")
  set(TARVENO_DEB_DEPENDS ${TARVENO_DEB_LINKED} ${TARVENO_DEB_LOADED})
endif()
list(JOIN TARVENO_DEB_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

include(CPack)
