# SPDX-FileCopyrightText: 2026 Orbelle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installation and the Debian package.
include(GNUInstallDirs)

# One reverse-DNS name (of the maker's domain orbelle.example) for the desktop entry, the
# AppStream component and the icon: software centres and docks match them by this name.
set(ORBELLE_APP_ID "example.orbelle.Orbelle")
set(_orbelle_packaging_dir "${PROJECT_SOURCE_DIR}/packaging")
set(_orbelle_icon_dir "${PROJECT_SOURCE_DIR}/resources/icons")

# Orbelle links no shared library of its own. The $ORIGIN/../lib run path that
# qt_standard_project_setup() adds would let a Qt in the prefix's lib folder (a self-built
# one in /usr/local/lib, say) stand in for the Qt that the package depends on.
set_target_properties(Orbelle PROPERTIES INSTALL_RPATH "")
# Bound at start, the relocation table can be made read-only for the whole run (full
# RELRO), as Debian's hardening flags ask of its programs.
target_link_options(Orbelle PRIVATE "LINKER:-z,now")
install(TARGETS Orbelle RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
# A stripped install (the package's) also drops the compiler's version notes, as Debian's
# own stripping does: they are of no use at run time.
find_program(ORBELLE_OBJCOPY NAMES objcopy "${CMAKE_OBJCOPY}")
if(ORBELLE_OBJCOPY)
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${ORBELLE_OBJCOPY}\" --remove-section=.comment
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/Orbelle\"
                COMMAND_ERROR_IS_FATAL ANY)
        endif()")
endif()
install(FILES "${_orbelle_packaging_dir}/${ORBELLE_APP_ID}.desktop"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${_orbelle_packaging_dir}/${ORBELLE_APP_ID}.metainfo.xml"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
foreach(_size IN ITEMS 32 64 128 256)
    install(FILES "${_orbelle_icon_dir}/orbelle-${_size}.png"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps"
        RENAME "${ORBELLE_APP_ID}.png")
endforeach()
install(FILES "${_orbelle_icon_dir}/orbelle.svg"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
    RENAME "${ORBELLE_APP_ID}.svg")

# The documents Debian requires of every package: the copyright file, the changelog and
# a manual page for the program, the last two compressed as its policy asks (gzip -9,
# without a name or time stamp, so that two builds give the same bytes).
set(ORBELLE_MAINTAINER "Orbelle developers <dev@orbelle.example>")
set(_orbelle_docs_dir "${CMAKE_INSTALL_DATADIR}/doc/orbelle")
set(_orbelle_changelog "${PROJECT_BINARY_DIR}/packaging/changelog")
set(_orbelle_manpage "${PROJECT_BINARY_DIR}/packaging/Orbelle.1")
find_program(ORBELLE_GZIP gzip REQUIRED)
add_custom_command(OUTPUT "${_orbelle_changelog}.gz"
    COMMAND "${CMAKE_COMMAND}" -DNEWS=${PROJECT_SOURCE_DIR}/NEWS -DOUTPUT=${_orbelle_changelog}
        -DPACKAGE=orbelle -DVERSION=${PROJECT_VERSION} "-DMAINTAINER=${ORBELLE_MAINTAINER}"
        -P "${PROJECT_SOURCE_DIR}/cmake/DebianChangelog.cmake"
    COMMAND "${ORBELLE_GZIP}" -9nf "${_orbelle_changelog}"
    DEPENDS "${PROJECT_SOURCE_DIR}/NEWS" "${PROJECT_SOURCE_DIR}/cmake/DebianChangelog.cmake"
    COMMENT "Debian changelog from NEWS" VERBATIM)
add_custom_command(OUTPUT "${_orbelle_manpage}.gz"
    COMMAND "${CMAKE_COMMAND}" -E copy "${_orbelle_packaging_dir}/Orbelle.1" "${_orbelle_manpage}"
    COMMAND "${ORBELLE_GZIP}" -9nf "${_orbelle_manpage}"
    DEPENDS "${_orbelle_packaging_dir}/Orbelle.1"
    COMMENT "Compressed manual page" VERBATIM)
add_custom_target(orbelle_docs ALL DEPENDS "${_orbelle_changelog}.gz" "${_orbelle_manpage}.gz")
install(FILES "${_orbelle_packaging_dir}/copyright" "${_orbelle_changelog}.gz" DESTINATION "${_orbelle_docs_dir}")
install(FILES "${_orbelle_manpage}.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

# The package file carries dpkg's name for the machine so that the same name works for
# `apt-get install ./Orbelle-*.deb` on every architecture Debian builds for.
find_program(ORBELLE_DPKG dpkg)
if(ORBELLE_DPKG)
    execute_process(COMMAND "${ORBELLE_DPKG}" --print-architecture
        OUTPUT_VARIABLE _orbelle_deb_arch OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
else()
    set(_orbelle_deb_arch "${CMAKE_SYSTEM_PROCESSOR}")
endif()

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "orbelle")
set(CPACK_PACKAGE_VENDOR "Orbelle developers")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${ORBELLE_MAINTAINER}")
# Debian's synopsis is a noun phrase without a leading article.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop tutor for the basics of Western astrology")
set(CPACK_PACKAGE_DESCRIPTION [[
Orbelle teaches the twelve zodiac signs, the ten planets and the twelve houses
of Western astrology. Its test mode asks one five-choice question for each
record of a topic and ends with a scored report.]])
set(CPACK_PACKAGE_HOMEPAGE_URL "http://www.orbelle.example/")
set(CPACK_STRIP_FILES ON)
# Independent of the umask of whoever runs cpack.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_NAME "orbelle")
set(CPACK_DEBIAN_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE "${_orbelle_deb_arch}")
set(CPACK_DEBIAN_FILE_NAME "Orbelle-${PROJECT_VERSION}-${_orbelle_deb_arch}.deb")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORBELLE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# dpkg-shlibdeps turns the linked Qt and C++ runtime libraries into Depends; the font is
# loaded at run time, so no linker can see it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# Qt finds its Wayland plugin at run time too; without it Orbelle still starts on a
# Wayland desktop, through the desktop's XWayland, so the plugin is recommended, not required.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
