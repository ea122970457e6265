# Installs the build into an empty prefix and checks the tree a desktop reads: the program, its menu
# entry, its icons and its AppStream metadata. The validators run where they are installed.
#
# cmake -DBUILD_DIR=... -DPREFIX=... -DBINDIR=... -DDATADIR=... -DAPP_ID=... -DVERSION=... -P CheckInstall.cmake
cmake_minimum_required(VERSION 3.25)

function(run description)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${description} failed (${status}):\n${output}")
    endif()
    message(STATUS "${description}: ok")
endfunction()

file(REMOVE_RECURSE ${PREFIX})
run("cmake --install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})

set(desktop ${PREFIX}/${DATADIR}/applications/${APP_ID}.desktop)
set(metainfo ${PREFIX}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml)
foreach(file ${PREFIX}/${BINDIR}/palettra ${desktop} ${metainfo}
        ${PREFIX}/${DATADIR}/icons/hicolor/32x32/apps/${APP_ID}.png
        ${PREFIX}/${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg)
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

# The validators accept any names; the menu needs the ones that were installed.
file(STRINGS ${desktop} entry REGEX "^(Exec|Icon)=")
if(NOT "Exec=palettra" IN_LIST entry OR NOT "Icon=${APP_ID}" IN_LIST entry)
    message(FATAL_ERROR "${desktop} names another program or icon: ${entry}")
endif()

# A version bump without a release entry would show software centres the previous version.
file(READ ${metainfo} metadata)
string(FIND "${metadata}" "<release version=\"${VERSION}\"" release)
if(release EQUAL -1)
    message(FATAL_ERROR "${metainfo} has no release entry for version ${VERSION}")
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    run("desktop-file-validate" ${DESKTOP_FILE_VALIDATE} ${desktop})
else()
    message(STATUS "desktop-file-validate not found: the menu entry is not validated")
endif()

# The tree check also finds the desktop entry and the icon that the metadata names.
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    run("appstreamcli validate-tree" ${APPSTREAMCLI} validate-tree --no-net ${PREFIX})
else()
    message(STATUS "appstreamcli not found: the AppStream metadata is not validated")
endif()
