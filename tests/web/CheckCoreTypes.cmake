# SPDX-FileCopyrightText: 2026 The Brontel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The page's declaration of the core (web/src/core.d.ts) against what the core binds
# (web/core/Bindings.cpp, ExploreBindings.cpp, LessonBindings.cpp, LetterBindings.cpp) and the model's names of the controls (model/Control.h): a function
# bound but not declared, declared but not bound, or a control name that differs fails.
#   cmake -DROOT=<source dir> -P CheckCoreTypes.cmake

file(READ ${ROOT}/web/src/core.d.ts declared)
file(READ ${ROOT}/web/core/Bindings.cpp bound)
# The explore view's and the lesson's bindings stand in files of their own; the module's
# functions are all three's.
file(READ ${ROOT}/web/core/ExploreBindings.cpp explore_bound)
file(READ ${ROOT}/web/core/LessonBindings.cpp lesson_bound)
file(READ ${ROOT}/web/core/LetterBindings.cpp letter_bound)
file(READ ${ROOT}/model/Control.h controls)

# The text of `text` from the first `begin` after it up to the first `end` after that.
function(section text begin end out)
    string(FIND "${text}" "${begin}" from)
    if(from LESS 0)
        message(FATAL_ERROR "no ${begin}")
    endif()
    string(SUBSTRING "${text}" ${from} -1 rest)
    string(FIND "${rest}" "${end}" to)
    string(SUBSTRING "${rest}" 0 ${to} part)
    set(${out} "${part}" PARENT_SCOPE)
endfunction()

# Every capture of `pattern` (its first group) in `text`, sorted.
function(names text pattern out)
    string(REGEX MATCHALL "${pattern}" all "${text}")
    set(found)
    foreach(match IN LISTS all)
        string(REGEX REPLACE "${pattern}" "\\1" name "${match}")
        list(APPEND found ${name})
    endforeach()
    list(SORT found)
    set(${out} "${found}" PARENT_SCOPE)
endfunction()

set(failures)
function(expect_same what left right)
    if(NOT "${left}" STREQUAL "${right}")
        message(SEND_ERROR "${what} differ:\n  core.d.ts: ${left}\n  the core:  ${right}")
    endif()
endfunction()

section("${declared}" "export interface PageCore {" "\n    }" page_declared)
names("${page_declared}" "\n        ([a-zA-Z]+)\\(" page_methods)
list(REMOVE_ITEM page_methods delete) # embind gives every class its delete()
section("${bound}" "emscripten::class_<PageCore>" "emscripten::function(" page_bound)
names("${page_bound}" "\\.function\\(\"([a-zA-Z]+)\"" page_functions)
expect_same("PageCore's functions" "${page_methods}" "${page_functions}")

section("${declared}" "export interface CoreModule {" "\n    }" module_declared)
names("${module_declared}" "\n        ([a-zA-Z]+)\\(" module_methods)
names("${bound}${explore_bound}${lesson_bound}" "emscripten::function\\(\"([a-zA-Z]+)\"" module_functions)
expect_same("The module's functions" "${module_methods}" "${module_functions}")

section("${declared}" "export interface Lesson {" "\n    }" lesson_declared)
names("${lesson_declared}" "\n        ([a-zA-Z]+)\\(" lesson_methods)
list(REMOVE_ITEM lesson_methods delete)
section("${lesson_bound}" "emscripten::class_<Lesson>" "emscripten::function(" lesson_class)
names("${lesson_class}" "\\.function\\(\"([a-zA-Z]+)\"" lesson_functions)
expect_same("Lesson's functions" "${lesson_methods}" "${lesson_functions}")

section("${declared}" "export interface ExportLetters {" "\n    }" letters_declared)
names("${letters_declared}" "\n        ([a-zA-Z]+)\\(" letters_methods)
list(REMOVE_ITEM letters_methods delete)
section("${letter_bound}" "emscripten::class_<ExportLetters>" "\n}" letters_class)
names("${letters_class}" "\\.function\\(\"([a-zA-Z]+)\"" letters_functions)
expect_same("ExportLetters' functions" "${letters_methods}" "${letters_functions}")

# The control names in the model's order, and the union's.
section("${controls}" "controlNames{" "};" model_names)
string(REGEX MATCHALL "\"[^\"]+\"" model_list "${model_names}")
section("${declared}" "export type ControlName =" ";" union)
string(REGEX MATCHALL "'[^']+'" union_list "${union}")
string(REPLACE "'" "\"" union_list "${union_list}")
expect_same("The control names" "${union_list}" "${model_list}")
