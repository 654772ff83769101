# A Debian package of the installed layout (cmake/Install.cmake) for /usr:
#   cmake --build build && (cd build && cpack -G DEB)
# The shared libraries the executables link (Qt, SQLCipher, FluidSynth,
# espeak-ng, ...) become dependencies through dpkg-shlibdeps; what the program
# only opens at run time is listed here.
set(MORDAVENTA_PACKAGE_MAINTAINER "Mordaventa developers <mordaventa@packaging.invalid>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_PACKAGE_NAME mordaventa)
set(CPACK_PACKAGE_VENDOR Mordaventa)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${MORDAVENTA_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "word games for players from primary school to adult")
set(CPACK_PACKAGE_DESCRIPTION
    "Vantorell, a letter-card word solitaire, and a spelling and grammar board game\n\
for up to five players, with player profiles, sound, music and spoken words.\n\
mordaventa-tool builds and checks word lists and board-game files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Opened at run time, so dpkg-shlibdeps cannot see them: the synthesizer, the
# speech library and SQLCipher (opened at their first use), the General MIDI soundfont of
# the music, the espeak-ng voices, the font every text is drawn
# in, and the GStreamer plug-ins Qt Multimedia plays wave files with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libfluidsynth3, libespeak-ng1, libsqlcipher0, timgm6mb-soundfont | fluid-soundfont-gm, espeak-ng-data, fonts-dejavu-core, \
gstreamer1.0-plugins-good")
# Native Wayland windows; without it the program runs through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
