# SPDX-FileCopyrightText: 2026 The Brontel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DSOURCE_DIR=<repository> -P CheckLayers.cmake
#
# Each folder may include headers of its own and of the folders listed for it, nothing else; a
# quoted include is looked up in every product folder to find whose it is. The compiler already
# refuses most wrong includes (each library sees only the headers of those it links), and this
# also catches relative paths and a dependency added to a CMakeLists by mistake. The Qt-free
# layers may include no Qt header, and their libraries may link no Qt module.
cmake_minimum_required(VERSION 3.25)

# The desktop program's rooms (app/*/) sit on platform/, each using only the rooms named for
# it; app/ itself holds the program, which uses them all.
set(layers settings experiment model platform
    app/look app/size app/export app/language app/explore app/lesson app/window app/commandline
    app)
set(allowed_settings settings)
set(allowed_experiment settings experiment)
set(allowed_model settings experiment model)
set(allowed_platform settings experiment model platform)
set(below_rooms settings experiment model platform)
set(allowed_app/look ${below_rooms} app/look)
set(allowed_app/size ${below_rooms} app/size)
set(allowed_app/export ${below_rooms} app/look app/export)
set(allowed_app/language ${below_rooms} app/look app/language)
set(allowed_app/explore ${below_rooms} app/look app/export app/explore)
set(allowed_app/lesson ${below_rooms} app/look app/export app/lesson)
set(allowed_app/window ${below_rooms} app/look app/size app/export app/language app/explore
    app/lesson app/window)
set(allowed_app/commandline ${below_rooms} app/look app/export app/language app/explore
    app/commandline)
set(allowed_app ${layers})
set(qt_free settings experiment model)

set(failures "")
# A room added to app/ must be given its place above.
file(GLOB rooms LIST_DIRECTORIES true RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/app/*")
foreach(room IN LISTS rooms)
    file(GLOB room_sources "${SOURCE_DIR}/${room}/*.h" "${SOURCE_DIR}/${room}/*.cpp")
    if(IS_DIRECTORY "${SOURCE_DIR}/${room}" AND room_sources AND NOT room IN_LIST layers)
        list(APPEND failures "${room}/ is a room with no place among the layers")
    endif()
endforeach()
foreach(layer IN LISTS layers)
    file(GLOB sources "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line IN LISTS includes)
            if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
                set(header "${CMAKE_MATCH_1}")
                if(header MATCHES "/")
                    list(APPEND failures "${source}: \"${header}\" names a path; include by name")
                    continue()
                endif()
                set(owner "")
                foreach(candidate IN LISTS layers)
                    # A header generated at configure time belongs where its template is.
                    if(EXISTS "${SOURCE_DIR}/${candidate}/${header}" OR
                       EXISTS "${SOURCE_DIR}/${candidate}/${header}.in")
                        set(owner "${candidate}")
                    endif()
                endforeach()
                if(owner STREQUAL "")
                    list(APPEND failures "${source}: \"${header}\" is in no product folder")
                elseif(NOT owner IN_LIST allowed_${layer})
                    list(APPEND failures "${source}: ${layer}/ may not include ${owner}/${header}")
                endif()
            elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]*)" AND layer IN_LIST qt_free)
                list(APPEND failures "${source}: ${layer}/ is free of Qt but includes <${CMAKE_MATCH_1}>")
            endif()
        endforeach()
    endforeach()
endforeach()

# A Qt-free library links no Qt module either.
foreach(layer IN LISTS qt_free)
    file(READ "${SOURCE_DIR}/${layer}/CMakeLists.txt" listfile)
    if(listfile MATCHES "Qt[0-9]*::([A-Za-z]+)")
        list(APPEND failures "${layer}/CMakeLists.txt: ${layer}/ is free of Qt but links Qt::${CMAKE_MATCH_1}")
    endif()
endforeach()

if(failures)
    list(JOIN failures "\n" report)
    message(FATAL_ERROR "Includes against the direction of the layers:\n${report}")
endif()
message(STATUS "Every include runs downwards: ${layers}, from the bottom, the program last")
