# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# Run at install time. Writes the desktop entry with Exec naming the program in the prefix
# given now (cmake --install --prefix), which may differ from the configured one, and
# installs it; DESTDIR moves the file but never shows in Exec. The game starts in the
# application folder (Path): a user who may not write the settings plays with the pictures
# and sounds found in the folder the game starts in.
#   PIKORA_DESKTOP_TEMPLATE  the .desktop.in file
#   PIKORA_DESKTOP_SCRATCH   a folder of the build tree for the written file
#   PIKORA_APPLICATIONS_DIR  where it goes: absolute, or relative to the install prefix

get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(program "${prefix}/Pikora/pikora")

# Exec is split like a command line: a path with a reserved character is quoted, and inside
# the quotes ", `, $ and \ take a backslash. The value is then a desktop-file string, where a
# backslash is written twice, and % stands for a field code unless doubled.
set(exec "${program}")
if(exec MATCHES "[] \t\n\"'\\\\><~|&;$*?#()`[]")
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
    set(exec "\"${exec}\"")
endif()
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
string(REPLACE "\\" "\\\\" tryExec "${program}")
string(REPLACE "\\" "\\\\" folder "${prefix}/Pikora")
set(PIKORA_DESKTOP_EXEC "${exec}")
set(PIKORA_DESKTOP_TRYEXEC "${tryExec}")
set(PIKORA_DESKTOP_PATH "${folder}")

# Two installs of one build tree at once (the tests do that) must not share a scratch file.
string(MD5 scratchName "$ENV{DESTDIR}|${prefix}")
get_filename_component(entryName "${PIKORA_DESKTOP_TEMPLATE}" NAME_WLE)
set(entry "${PIKORA_DESKTOP_SCRATCH}/${scratchName}/${entryName}")
configure_file("${PIKORA_DESKTOP_TEMPLATE}" "${entry}" @ONLY)

set(destination "${PIKORA_APPLICATIONS_DIR}")
if(NOT IS_ABSOLUTE "${destination}")
    set(destination "${prefix}/${destination}")
endif()
file(INSTALL DESTINATION "${destination}" TYPE FILE FILES "${entry}")
