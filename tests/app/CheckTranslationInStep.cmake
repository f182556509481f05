# SPDX-FileCopyrightText: 2026 The Brontel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DTS=<file.ts> -DLUPDATE=<lupdate> -DPROJECT_IN=<.lupdate/*_project.cmake>
#       -DGENERATOR=<GenerateLUpdateProject.cmake> -DWORK=<folder> -P CheckTranslationInStep.cmake
#
# Fails when the translation is behind the sources: lupdate, run on the sources as the
# update_translations target runs it, would add, change or drop a text in the .ts file. The
# file is checked on a copy; the one in the sources is never touched.
cmake_minimum_required(VERSION 3.25)
file(MAKE_DIRECTORY "${WORK}")
get_filename_component(name "${TS}" NAME)
set(copy "${WORK}/${name}")
file(COPY_FILE "${TS}" "${copy}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" -DIN_FILE=${PROJECT_IN} -DOUT_FILE=${WORK}/project.json
            -P "${GENERATOR}"
    RESULT_VARIABLE generated)
if(NOT generated EQUAL 0)
    message(FATAL_ERROR "could not describe the sources to lupdate")
endif()
# As in app/language/CMakeLists.txt's LUPDATE_OPTIONS.
execute_process(
    COMMAND "${LUPDATE}" -project "${WORK}/project.json" -ts "${copy}"
            -source-language cs_CZ -no-obsolete -locations none
    WORKING_DIRECTORY "${WORK}"
    RESULT_VARIABLE updated
    OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT updated EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${said}")
endif()
file(READ "${TS}" before)
file(READ "${copy}" after)
if(NOT before STREQUAL after)
    message(FATAL_ERROR "${TS} is behind the sources (lupdate: ${said}); run "
                        "`cmake --build build --target update_translations`, translate what is "
                        "new and commit the file")
endif()
message(STATUS "${TS} is in step with the sources")
