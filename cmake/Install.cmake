# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts where, as a Linux desktop program: the programs in bin, the help
# document and the metainfo's screenshots in share/qelec, the desktop entry, AppStream metainfo,
# hicolor icons, manual pages and bash completions. The data files live in dist/; the icons' PNG sizes and the tools' manual pages
# are made at build time. Any prefix works and DESTDIR is honoured. cmake/Package.cmake makes the
# Debian package from the same rules.

# Sanitizer and fuzzing builds are for testing only and install nothing.
if(QELEC_SANITIZE OR QELEC_FUZZ)
    return()
endif()
include(GNUInstallDirs)

set(QELEC_APP_ID org.qelec.Qelec)
set(QELEC_ICON_SIZES 16 22 24 32 48 64 128 256)
set(QELEC_DIST ${PROJECT_SOURCE_DIR}/dist)
set(QELEC_DIST_BUILD ${PROJECT_BINARY_DIR}/dist)

# Folders made by the install are rwxr-xr-x whatever the umask, as a package wants them.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS qelec-ctl qelec-vkbd RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QELEC_DIST}/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(QELEC_GENERATED_DIST_FILES)
# Compresses input to output as manual pages and changelogs are shipped (no name or time inside).
function(qelec_gzip input output)
    get_filename_component(folder ${output} DIRECTORY)
    add_custom_command(OUTPUT ${output} COMMAND sh -c "mkdir -p '${folder}' && gzip -9nc '${input}' > '${output}'"
                       DEPENDS ${input} COMMENT "Compressing ${output}" VERBATIM)
    set(QELEC_GENERATED_DIST_FILES ${QELEC_GENERATED_DIST_FILES} ${output} PARENT_SCOPE)
endfunction()

qelec_gzip(${QELEC_DIST}/debian/changelog ${QELEC_DIST_BUILD}/changelog.gz)
install(FILES ${QELEC_DIST_BUILD}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Manual pages of the command-line tools, made from their --help by help2man, through a wrapper of
# the same name that lays the help text out as help2man reads it.
find_program(QELEC_HELP2MAN help2man)
if(QELEC_HELP2MAN)
    foreach(tool IN ITEMS qelec-ctl qelec-vkbd)
        set(page ${QELEC_DIST_BUILD}/man/${tool}.1)
        set(wrapper ${QELEC_DIST_BUILD}/help/${tool})
        file(GENERATE OUTPUT ${wrapper}
             CONTENT "#!/bin/sh\n'$<TARGET_FILE:${tool}>' \"$@\" | sed -f '${QELEC_DIST}/man/help-layout.sed'\n"
             FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                              WORLD_EXECUTE)
        add_custom_command(
            OUTPUT ${page}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${QELEC_DIST_BUILD}/man
            COMMAND ${QELEC_HELP2MAN} --no-info --section=1 --version-string=${PROJECT_VERSION} --source=QelEC
                    --include=${QELEC_DIST}/man/${tool}.h2m --output=${page} ${wrapper}
            DEPENDS ${tool} ${wrapper} ${QELEC_DIST}/man/${tool}.h2m ${QELEC_DIST}/man/help-layout.sed
            COMMENT "Writing the manual page of ${tool}"
            VERBATIM)
        qelec_gzip(${page} ${page}.gz)
        install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endforeach()
else()
    message(WARNING "help2man not found: the manual pages of qelec-ctl and qelec-vkbd are not installed")
endif()

install(FILES ${QELEC_DIST}/bash-completion/qelec-ctl ${QELEC_DIST}/bash-completion/qelec-vkbd
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

if(TARGET qelec)
    install(TARGETS qelec RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${PROJECT_SOURCE_DIR}/app/help/QelEC.html DESTINATION ${CMAKE_INSTALL_DATADIR}/qelec)
    # The program looks for its help document beside itself, then here, relative to its own folder.
    file(RELATIVE_PATH help_from_program /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${CMAKE_INSTALL_DATADIR}/qelec)
    set_property(SOURCE ${PROJECT_SOURCE_DIR}/app/CPelmDlg.cpp TARGET_DIRECTORY qelec APPEND
                 PROPERTY COMPILE_DEFINITIONS "QELEC_INSTALLED_HELP_DIR=\"${help_from_program}\"")

    qelec_gzip(${QELEC_DIST}/man/qelec.1 ${QELEC_DIST_BUILD}/man/qelec.1.gz)
    install(FILES ${QELEC_DIST_BUILD}/man/qelec.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

    install(FILES ${QELEC_DIST}/${QELEC_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${QELEC_DIST}/${QELEC_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    # The metainfo's screenshots, shipped as they are published.
    install(DIRECTORY ${QELEC_DIST}/screenshots/ DESTINATION ${CMAKE_INSTALL_DATADIR}/qelec/screenshots
            FILES_MATCHING PATTERN "*.png")
    install(FILES ${QELEC_DIST}/icons/${QELEC_APP_ID}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

    # The icon at the usual sizes, drawn from the SVG.
    find_program(QELEC_RSVG_CONVERT rsvg-convert)
    if(QELEC_RSVG_CONVERT)
        foreach(size IN LISTS QELEC_ICON_SIZES)
            set(png ${QELEC_DIST_BUILD}/icons/${size}x${size}/${QELEC_APP_ID}.png)
            add_custom_command(
                OUTPUT ${png}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${QELEC_DIST_BUILD}/icons/${size}x${size}
                COMMAND ${QELEC_RSVG_CONVERT} --width=${size} --height=${size} --output=${png}
                        ${QELEC_DIST}/icons/${QELEC_APP_ID}.svg
                DEPENDS ${QELEC_DIST}/icons/${QELEC_APP_ID}.svg
                COMMENT "Drawing the ${size}x${size} icon"
                VERBATIM)
            list(APPEND QELEC_GENERATED_DIST_FILES ${png})
            install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
        endforeach()
    else()
        message(WARNING "rsvg-convert not found: only the scalable icon is installed")
    endif()
endif()

add_custom_target(qelec_dist_files ALL DEPENDS ${QELEC_GENERATED_DIST_FILES})

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
