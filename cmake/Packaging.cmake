# What an installed system expects beside the programs: the demo command, the documents, the
# desktop entry with its icons and software-centre entry, manual pages made from the programs'
# own --help and --version, the Debian changelog; then the Debian package itself.

set(CORVANE_HOMEPAGE "https://corvane.example.org" CACHE STRING
    "The project's home page, also the base of the software centre's screenshot addresses")
set(CORVANE_CONTACT "ATC Corvane developers <corvane@example.org>" CACHE STRING
    "The package's maintainer")
option(CORVANE_PACKAGE_FILES
       "Make the manual pages and the icon renders (needs help2man, rsvg-convert and gzip)" OFF)

set(package_source ${PROJECT_SOURCE_DIR}/data/package)
set(package_build ${CMAKE_BINARY_DIR}/package)

# The demo command carries the version; it lands beside the other programs of the build.
configure_file(${package_source}/corvane-demo.in ${CMAKE_BINARY_DIR}/bin/corvane-demo @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
install(PROGRAMS ${CMAKE_BINARY_DIR}/bin/corvane-demo DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY data/DATA data/SIDSTARS DESTINATION ${CMAKE_INSTALL_DATADIR}/corvane)

# The documents keep the layout of the sources, so the README's links work where it is installed.
install(FILES README.md ${package_source}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs
        FILES_MATCHING PATTERN "*.md" PATTERN "*.png")
install(FILES data/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR}/data)
install(FILES ${package_source}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME corvane)

# The software centre's id is the home page's host, reversed.
string(REGEX REPLACE "^[a-z]+://([^/:]+).*$" "\\1" homepage_host "${CORVANE_HOMEPAGE}")
string(REPLACE "." ";" host_labels "${homepage_host}")
list(REVERSE host_labels)
list(JOIN host_labels "." CORVANE_APPSTREAM_ID)
set(CORVANE_METAINFO ${package_build}/${CORVANE_APPSTREAM_ID}.metainfo.xml)
configure_file(data/desktop/corvane.metainfo.xml.in ${CORVANE_METAINFO} @ONLY)

if(CORVANE_BUILD_GUI)
    install(FILES ${CORVANE_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

set(CORVANE_DEB_RELEASE 1)
configure_file(${package_source}/changelog.Debian.in ${package_build}/changelog.Debian @ONLY)

if(CORVANE_PACKAGE_FILES)
    find_program(HELP2MAN help2man REQUIRED)
    find_program(RSVG_CONVERT rsvg-convert REQUIRED)
    find_program(GZIP gzip REQUIRED)
    set(package_files)

    add_custom_command(
        OUTPUT ${package_build}/changelog.Debian.gz
        COMMAND ${GZIP} -9 -n -c ${package_build}/changelog.Debian > changelog.Debian.gz
        DEPENDS ${package_build}/changelog.Debian
        WORKING_DIRECTORY ${package_build})
    list(APPEND package_files ${package_build}/changelog.Debian.gz)
    install(FILES ${package_build}/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

    set(programs corvane-script corvane-sim corvane-demo)
    if(CORVANE_BUILD_FEED)
        list(APPEND programs corvane-feed)
    endif()
    if(CORVANE_BUILD_GUI)
        list(APPEND programs corvane)
    endif()
    foreach(program IN LISTS programs)
        set(page ${package_build}/man/${program}.1.gz)
        set(include ${package_source}/man/${program}.h2m)
        # A target named in DEPENDS is built first; the demo command is a configured file.
        if(TARGET ${program})
            set(executable $<TARGET_FILE:${program}>)
            set(built ${program})
        else()
            set(executable ${CMAKE_BINARY_DIR}/bin/${program})
            set(built ${package_source}/corvane-demo.in)
        endif()
        add_custom_command(
            OUTPUT ${page}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${package_build}/man
            COMMAND ${CMAKE_COMMAND} -DHELP2MAN=${HELP2MAN} -DPROGRAM=${executable}
                    -DINCLUDE=${include} -DOUTPUT=${page}
                    -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
            DEPENDS ${built} ${include} ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
            COMMENT "Manual page of ${program}")
        list(APPEND package_files ${page})
        install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endforeach()

    if(CORVANE_BUILD_GUI)
        foreach(size 16 22 24 32 48 64 128 256)
            set(icon ${package_build}/icons/${size}x${size}/corvane.png)
            add_custom_command(
                OUTPUT ${icon}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${package_build}/icons/${size}x${size}
                COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${icon}
                        ${PROJECT_SOURCE_DIR}/data/desktop/corvane.svg
                DEPENDS ${PROJECT_SOURCE_DIR}/data/desktop/corvane.svg)
            list(APPEND package_files ${icon})
            install(FILES ${icon}
                    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
        endforeach()
    endif()
    add_custom_target(corvane_package_files ALL DEPENDS ${package_files})
endif()

# Debian package: cpack --config build/release/CPackConfig.cmake
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "corvane")
set(CPACK_PACKAGE_VENDOR "ATC Corvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "assistant for virtual air-traffic controllers on IVAO")
# Debian shows the description as written: lines under 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "ATC Corvane reads the radar client's traffic snapshot and shows the
controller's station, ATIS and pressure data, departing and arriving
traffic with flight phase and warnings, and builds departure and arrival
clearances with transponder codes.

corvane-feed makes the snapshot from IVAO's public live feed, and
corvane-demo runs the program on simulated traffic around Frankfurt.")
set(CPACK_PACKAGE_CONTACT "${CORVANE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CORVANE_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CORVANE_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# The window's font and Qt's window-system plugins: loaded at run time, so dpkg-shlibdeps does
# not see them; the other libraries it finds.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins")
include(CPack)
