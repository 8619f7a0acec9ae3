# The Debian package, made with CPack (scripts/package sets the layout): the application
# folder in ${CMAKE_INSTALL_PREFIX}/Pikora, the report beside it, the desktop files in
# ${CMAKE_INSTALL_DATADIR}, the store at PIKORA_STORE_FILE made by postinst.

set(debianScripts ${CMAKE_CURRENT_BINARY_DIR}/debian)
set(APP_DIR ${configuredPrefix}/Pikora)
set(REPORT ${configuredPrefix}/report.txt)
set(STORE ${PIKORA_STORE_FILE})
get_filename_component(STORE_DIR "${PIKORA_STORE_FILE}" DIRECTORY)
set(STORE_TOOL ${CMAKE_INSTALL_FULL_LIBEXECDIR}/pikora/pikora-store)
foreach(script postinst postrm)
    configure_file(debian/${script}.in ${debianScripts}/${script} @ONLY)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pikora)
set(CPACK_PACKAGE_VENDOR Velmar)
set(CPACK_PACKAGE_CONTACT "Pikora maintainers <pikora@velmar.invalid>")
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
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Found by dpkg-shlibdeps: the libraries. Not found: the dialog font the windows are measured
# with. pikora-pack speaks the words with espeak-ng, makes every voice with sox, draws the
# pictures with the emoji font and reads WebP and TIFF pictures with Qt's image plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "espeak-ng, sox, fonts-noto-color-emoji, fonts-noto-core, \
fonts-noto-cjk, qt6-translations-l10n, qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${debianScripts}/postinst ${debianScripts}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
