# SPDX-FileCopyrightText: 2026 The Brontel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The hardening Debian asks of packaged programs (and lintian checks): stack protector and stack
# clash protection, fortified C library calls, a position-independent executable, and a read-only
# relocation table resolved at start (relro, bindnow). For every target, since the program is
# linked from the static libraries of the folders. Left out under the sanitizers, which do their
# own checking and do not combine with fortified calls.
if(NOT BRONTEL_SANITIZE)
    add_compile_options(-fstack-protector-strong -fstack-clash-protection -Wformat
                        -Werror=format-security)
    # Fortified calls need the optimiser, so not in Debug builds.
    add_compile_options($<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE>
                        $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
