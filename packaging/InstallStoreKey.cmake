# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# Run at install time. Creates the program's settings key in the machine's store file when it
# is missing; values already there are never changed.
#   PIKORA_STORE_TOOL        the pikora-store program of the build tree
#   PIKORA_STORE_FILE        the store path compiled into the program
#   PIKORA_CONFIGURED_PREFIX the install prefix the build was configured with
#
# The program finds its store at the compiled path (or $PIKORA_MACHINE_STORE when it runs),
# not relative to its own folder, so the key goes where the installed program will look:
# $PIKORA_MACHINE_STORE of this install when set, else the compiled path. Under DESTDIR the
# store is made inside the staged tree, like every other installed file.

set(store "$ENV{PIKORA_MACHINE_STORE}")
if(store STREQUAL "")
    set(store "${PIKORA_STORE_FILE}")
    get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
    if(NOT prefix STREQUAL PIKORA_CONFIGURED_PREFIX)
        message(WARNING
            "Installing into ${prefix}, but the program was built for "
            "${PIKORA_CONFIGURED_PREFIX}: it keeps its settings in ${store}, the store path "
            "fixed at build time, and so does every other install of this build. To keep the "
            "settings apart, configure with -DCMAKE_INSTALL_PREFIX=${prefix}, or set "
            "PIKORA_MACHINE_STORE both for this install and when running the program.")
    endif()
endif()
get_filename_component(store "${store}" ABSOLUTE)
set(file "$ENV{DESTDIR}${store}")

message(STATUS "Settings key in: ${file}")
get_filename_component(folder "${file}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
execute_process(COMMAND "${PIKORA_STORE_TOOL}" ensure-key "${file}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "Could not create the settings key in ${file}")
endif()
