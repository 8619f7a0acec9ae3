# The Debian package, made with CPack (scripts/package sets the layout): the application
# folder in ${CMAKE_INSTALL_PREFIX}/Pikora, root's alone; the desktop files in
# ${CMAKE_INSTALL_DATADIR}; the store, the report and the history in the folder of
# PIKORA_STORE_FILE, which postinst makes and gives to the group pikora.

set(debianScripts ${CMAKE_CURRENT_BINARY_DIR}/debian)
get_filename_component(STORE_DIR "${PIKORA_STORE_FILE}" DIRECTORY)
if(PIKORA_REPORT_FILE)
    get_filename_component(reportFolder "${PIKORA_REPORT_FILE}" DIRECTORY)
    if(NOT reportFolder STREQUAL STORE_DIR)
        message(WARNING "The package keeps its shared state in one folder: PIKORA_REPORT_FILE "
            "should be in ${STORE_DIR}, the folder of PIKORA_STORE_FILE")
    endif()
endif()
set(PREFIX ${configuredPrefix})
set(APP_DIR ${configuredPrefix}/Pikora)
set(REPORT ${STORE_DIR}/report.txt)
set(HISTORY ${STORE_DIR}/history.sqlite)
# Where packages before 1.0.0-2 kept them, in the application's own folder.
set(OLD_REPORT ${configuredPrefix}/report.txt)
set(OLD_HISTORY ${configuredPrefix}/history.sqlite)
set(STORE ${PIKORA_STORE_FILE})
set(STORE_TOOL ${CMAKE_INSTALL_FULL_LIBEXECDIR}/pikora/pikora-store)
foreach(script preinst postinst postrm)
    configure_file(debian/${script}.in ${debianScripts}/${script} @ONLY)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pikora)
set(CPACK_PACKAGE_VENDOR Velmar)
# The maintainer as Debian's tools take it: DEBFULLNAME and DEBEMAIL when set at configure
# time.
set(maintainer "Pikora maintainers <pikora@velmar.invalid>")
if(DEFINED ENV{DEBFULLNAME} AND DEFINED ENV{DEBEMAIL})
    set(maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
endif()
set(PIKORA_MAINTAINER "${maintainer}" CACHE STRING "Maintainer of the Debian package")
set(CPACK_PACKAGE_CONTACT "${PIKORA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture and word drill game for young learners")
# Lines under 80 columns, as Debian wants them; no semicolons, which CMake would take as list
# separators.
set(CPACK_PACKAGE_DESCRIPTION [[
Pikora shows two or four pictures (or printed words), a recorded voice names
one of them, and the learner picks it. Right and wrong choices are counted per
picture, and a timed game ends with a score report for the parent or teacher.
A starter set of pictures with spoken words is included. The pikora-pack tool
makes new picture sets from word lists.]])

# Everything but the settings key, staged with DESTDIR so that absolute folders (the desktop
# files under /usr/share) land in the package too.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX ${configuredPrefix})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 2)

# The package's documents: the copyright in Debian's machine-readable form and the changelog,
# compressed as Debian wants it (no name or time in the gzip header); and the lintian
# overrides, each with its reason.
set(DEB_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
set(DEB_MAINTAINER ${PIKORA_MAINTAINER})
configure_file(debian/changelog.in ${debianScripts}/changelog.Debian @ONLY)
add_custom_command(
    OUTPUT ${debianScripts}/changelog.Debian.gz
    COMMAND gzip -9nkf ${debianScripts}/changelog.Debian
    DEPENDS ${debianScripts}/changelog.Debian
    VERBATIM
)
add_custom_target(pikora_changelog ALL DEPENDS ${debianScripts}/changelog.Debian.gz)
install(FILES debian/copyright ${debianScripts}/changelog.Debian.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pikora)
install(FILES lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
    RENAME pikora)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Found by dpkg-shlibdeps: the linked libraries (Qt's platform and image plugins come with
# libqt6gui6). Not found: the sound library, which the program loads when it first plays
# (platform/SdlLibrary.cpp), and the dialog font the windows are measured with.
# tests/install/check-deb.sh finds what the programs load by name and fails on an undeclared
# one. Recommended: the fonts and the toolkit's translations for windows in other
# languages; pikora-pack speaks the words with espeak-ng, makes every voice with sox, draws
# the pictures with the emoji font and reads WebP and TIFF pictures with Qt's image plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-2.0-0, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "espeak-ng, sox, fonts-noto-color-emoji, fonts-noto-core, \
fonts-noto-cjk, qt6-translations-l10n, qt6-image-formats-plugins")
# Debian's sox reads MP3 recordings only with this plugin.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libsox-fmt-mp3")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${debianScripts}/preinst ${debianScripts}/postinst ${debianScripts}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
