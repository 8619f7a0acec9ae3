# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# Run at install time. Makes the command `pikora` in the command folder a symbolic link to
# the program in the application folder: relative within one top-level folder, absolute
# across two (/usr/games to /opt), as Debian wants links. The program still finds its
# folder, since it asks the system for its own path (/proc/self/exe), which names the
# link's target.
#   PIKORA_COMMAND_DIR  the command folder: absolute, or relative to the install prefix

get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(folder "${PIKORA_COMMAND_DIR}")
if(NOT IS_ABSOLUTE "${folder}")
    set(folder "${prefix}/${folder}")
endif()
set(program "${prefix}/Pikora/pikora")
file(RELATIVE_PATH target "${folder}" "${program}")
string(REGEX MATCH "^/[^/]*" folderTop "${folder}")
string(REGEX MATCH "^/[^/]*" programTop "${program}")
if(NOT folderTop STREQUAL programTop)
    set(target "${program}")
endif()
set(link "$ENV{DESTDIR}${folder}/pikora")

message(STATUS "Installing: ${link} -> ${target}")
file(MAKE_DIRECTORY "$ENV{DESTDIR}${folder}")
file(CREATE_LINK "${target}" "${link}" SYMBOLIC)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${link}")
