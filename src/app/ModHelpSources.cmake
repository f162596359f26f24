# SPDX-FileCopyrightText: 2026 Orbelle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# modHelp: scrambled settings, the update reminder, web page addresses and the end of
# the program. Included by the application and by the tests that exercise it, in
# whichever order the two directories are configured.

# Relative to this folder.
set(ORBELLE_MODHELP_SOURCES
    CloseAllAndEnd.cpp CloseAllAndEnd.h
    Cp1252.cpp Cp1252.h
    modHelp.cpp modHelp.h
)

if(NOT TARGET orbelle_modhelp)
    list(TRANSFORM ORBELLE_MODHELP_SOURCES PREPEND "${CMAKE_CURRENT_LIST_DIR}/" OUTPUT_VARIABLE _orbelle_modhelp_files)
    add_library(orbelle_modhelp STATIC ${_orbelle_modhelp_files})
    unset(_orbelle_modhelp_files)
    target_include_directories(orbelle_modhelp PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(orbelle_modhelp PUBLIC orbelle_platform Qt6::Core PRIVATE Qt6::Widgets)
    # Public, so that every file that sees modHelp.h agrees on the host.
    target_compile_definitions(orbelle_modhelp PUBLIC ORBELLE_WEB_HOST="${ORBELLE_WEB_HOST}")
endif()
