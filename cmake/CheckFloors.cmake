# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a folder of a layer includes a header of a folder on a higher
# floor of the same layer. The floors are listed lowest first; folders on one
# floor do not include each other. A folder may include its own headers and
# those of any floor below it, so no include runs back up and none can close
# a cycle. A new folder must be given a floor here before it builds.
#
# LAYER: core or gui; ROOT: the layer's folder (its include root); STAMP.
set(core_floors
    "base"              # errors, special folders, the program's identity
    "text"              # text helpers, name keys, decoding
    "services settings" # the seams; the settings file and paths
    "i18n"              # the catalogue, language files and choice
    "files naming"      # listing a folder; making the new names
    "rename"            # plan, command, journal, lock refusals
    "session"           # what the front ends drive
)
set(gui_floors
    "qtservices widgets"          # Qt's services; controls, twips, icon, colours
    "layout options translation"  # window geometry; the options panel; forms' texts
    "dialogs"                     # dialog boxes, popup menus
    "lists"                       # the paired name lists, their editor and paste menu
    "mainwindow"                  # the window that holds them all
)
if(NOT DEFINED ${LAYER}_floors)
    message(FATAL_ERROR "No floors are listed for the layer '${LAYER}' in ${CMAKE_CURRENT_LIST_FILE}")
endif()

# floor_of_<folder>: the folder's floor, 0 the lowest.
set(level 0)
foreach(floor IN LISTS ${LAYER}_floors)
    string(REPLACE " " ";" folders "${floor}")
    foreach(folder IN LISTS folders)
        if(folder)
            set(floor_of_${folder} ${level})
        endif()
    endforeach()
    math(EXPR level "${level} + 1")
endforeach()

file(GLOB_RECURSE files RELATIVE "${ROOT}" "${ROOT}/*.h" "${ROOT}/*.cpp")
set(found "")
foreach(file IN LISTS files)
    if(NOT file MATCHES "/")
        continue()
    endif()
    string(REGEX REPLACE "/.*$" "" own "${file}")
    if(NOT DEFINED floor_of_${own})
        list(APPEND found "${file}: the folder ${own}/ is on no floor")
        continue()
    endif()
    file(STRINGS "${ROOT}/${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" header "${line}")
        if(NOT header MATCHES "/" OR NOT EXISTS "${ROOT}/${header}")
            continue() # its own folder's, or another layer's
        endif()
        string(REGEX REPLACE "/.*$" "" other "${header}")
        if(other STREQUAL own)
            continue()
        elseif(NOT DEFINED floor_of_${other})
            list(APPEND found "${file}: ${header} (the folder ${other}/ is on no floor)")
        elseif(floor_of_${other} GREATER floor_of_${own})
            list(APPEND found "${file}: ${header} (${other}/ is above ${own}/)")
        elseif(floor_of_${other} EQUAL floor_of_${own})
            list(APPEND found "${file}: ${header} (${other}/ and ${own}/ share a floor)")
        endif()
    endforeach()
endforeach()
if(found)
    list(JOIN found "\n  " report)
    message(FATAL_ERROR
            "Includes that run up the floors of ${LAYER} (see ${CMAKE_CURRENT_LIST_FILE}):\n  ${report}")
endif()
file(TOUCH "${STAMP}")
