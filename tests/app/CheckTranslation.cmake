# SPDX-FileCopyrightText: 2026 The Brontel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DTS=<file.ts> -P CheckTranslation.cmake
#
# Fails when a translation has texts left untranslated: Qt would then show the Czech source
# text in the middle of an English window.
cmake_minimum_required(VERSION 3.25)
file(READ "${TS}" content)
string(REGEX MATCHALL "type=\"(unfinished|vanished|obsolete)\"" left "${content}")
string(REGEX MATCHALL "<translation></translation>|<translation/>" empty "${content}")
list(LENGTH left leftCount)
list(LENGTH empty emptyCount)
if(leftCount GREATER 0 OR emptyCount GREATER 0)
    message(FATAL_ERROR "${TS}: ${leftCount} unfinished and ${emptyCount} empty translations")
endif()
string(REGEX MATCHALL "<message>" messages "${content}")
list(LENGTH messages count)
if(count EQUAL 0)
    message(FATAL_ERROR "${TS}: no texts at all")
endif()
message(STATUS "${TS}: ${count} texts, all translated")
