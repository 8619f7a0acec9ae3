# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# Gathers the texts a user reads in the window templates, menus and string table of res/
# into a C++ file of QT_TRANSLATE_NOOP entries, which lupdate reads (it cannot read JSON).
# The context of a text is the name of its resource ("dialog-132", "menu-129", "strings"):
# the template builder asks the translations under that name. Each entry carries a comment
# for the translator: the window, the kind of control and its width.
#   cmake -DRES=<res folder> -DOUT=<file.cpp> -P template-texts.cmake
cmake_minimum_required(VERSION 3.25)

# Names and placeholders nobody reads: the program's name in the main window's title bar,
# the hidden focus button and the countdown's text before the first push.
set(untranslated "Pikora" "Button3" "Static")

set(entries "")

# cppString(OUT TEXT): TEXT as a C++ string literal.
function(cppString out text)
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

# addText(CONTEXT TEXT COMMENT [DISAMBIGUATION]): one entry, unless the text is empty or
# nobody reads it. The same text in two places of one resource takes a disambiguation.
function(addText context text comment)
    if(text STREQUAL "" OR text IN_LIST untranslated)
        return()
    endif()
    cppString(literal "${text}")
    set(call "QT_TRANSLATE_NOOP(\"${context}\", ${literal})")
    if(ARGC GREATER 3)
        cppString(disambiguation "${ARGV3}")
        set(call "QT_TRANSLATE_NOOP3(\"${context}\", ${literal}, ${disambiguation})")
    endif()
    string(APPEND entries "    //: ${comment}\n    ${call},\n")
    set(entries "${entries}" PARENT_SCOPE)
endfunction()

set(kindNames pushButton=button checkBox=check\ box static=label)

# describe(OUT KIND WIDTH HEIGHT): what a translator needs to know of a control.
function(describe out kind width height)
    foreach(pair IN LISTS kindNames)
        string(REPLACE "=" ";" pair "${pair}")
        list(GET pair 0 name)
        if(name STREQUAL kind)
            list(GET pair 1 kind)
        endif()
    endforeach()
    math(EXPR pixels "${width} * 3 / 2")
    set(${out} "${kind} of ${width} × ${height} dialog units, ${pixels} pixels wide" PARENT_SCOPE)
endfunction()

# jsonItems(OUT JSON KEY...): the indices 0..n-1 of the array at KEY, empty when it is missing.
function(jsonItems out json)
    string(JSON count ERROR_VARIABLE error LENGTH "${json}" ${ARGN})
    set(indices "")
    if(NOT error AND count GREATER 0)
        math(EXPR last "${count} - 1")
        foreach(i RANGE ${last})
            list(APPEND indices ${i})
        endforeach()
    endif()
    set(${out} "${indices}" PARENT_SCOPE)
endfunction()

function(addDialog file)
    file(READ "${file}" json)
    get_filename_component(context "${file}" NAME_WE)
    string(JSON caption GET "${json}" caption)
    string(JSON role ERROR_VARIABLE error GET "${json}" role)
    addText("${context}" "${caption}" "${role}: the window's title")
    jsonItems(controls "${json}" controls)
    foreach(i IN LISTS controls)
        string(JSON text GET "${json}" controls ${i} text)
        string(JSON kind GET "${json}" controls ${i} kind)
        string(JSON width GET "${json}" controls ${i} rect 2)
        string(JSON height GET "${json}" controls ${i} rect 3)
        describe(what "${kind}" "${width}" "${height}")
        addText("${context}" "${text}" "${role}: ${what}")
    endforeach()
    set(entries "${entries}" PARENT_SCOPE)
endfunction()

function(addMenu file)
    file(READ "${file}" json)
    get_filename_component(context "${file}" NAME_WE)
    jsonItems(popups "${json}" popups)
    foreach(p IN LISTS popups)
        string(JSON title GET "${json}" popups ${p} text)
        addText("${context}" "${title}"
            "a menu's title on the menu bar; & marks its Alt key, one letter per title" "menu")
        jsonItems(items "${json}" popups ${p} items)
        foreach(i IN LISTS items)
            string(JSON text GET "${json}" popups ${p} items ${i} text)
            addText("${context}" "${text}"
                "an item of the menu ${title}; & marks its key, one letter per item" "${title}")
        endforeach()
    endforeach()
    set(entries "${entries}" PARENT_SCOPE)
endfunction()

function(addStrings file)
    file(READ "${file}" json)
    jsonItems(strings "${json}" strings)
    foreach(i IN LISTS strings)
        string(JSON id GET "${json}" strings ${i} id)
        string(JSON text GET "${json}" strings ${i} text)
        addText("strings" "${text}" "string ${id}; & marks its key in its menu")
    endforeach()
    set(entries "${entries}" PARENT_SCOPE)
endfunction()

if(NOT RES OR NOT OUT)
    message(FATAL_ERROR "usage: cmake -DRES=<res folder> -DOUT=<file.cpp> -P template-texts.cmake")
endif()
file(GLOB dialogs "${RES}/dialog-*.json")
file(GLOB menus "${RES}/menu-*.json")
list(SORT dialogs COMPARE NATURAL)
list(SORT menus COMPARE NATURAL)
foreach(file IN LISTS dialogs)
    addDialog("${file}")
endforeach()
foreach(file IN LISTS menus)
    addMenu("${file}")
endforeach()
if(EXISTS "${RES}/strings.json")
    addStrings("${RES}/strings.json")
endif()

file(WRITE "${OUT}" "// Made by scripts/update-translations from the templates in res/, for lupdate only.
static const char* const templateTexts[] = {
${entries}};
")
