# cmake -D BUILD_DIR=… -D PREFIX=… -D ID=… -P CheckInstall.cmake
#
# Installs the build into a scratch prefix and checks it the way a desktop
# would read it: the menu entry and the metainfo pass the freedesktop and
# AppStream validators, and every icon size a menu or dock asks for is there
# at its size.
cmake_minimum_required(VERSION 3.25)

set(failures 0)
macro(fail message)
  message(SEND_ERROR "${message}")
  math(EXPR failures "${failures} + 1")
endmacro()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install into ${PREFIX} failed (${rc})")
endif()

set(share "${PREFIX}/share")
set(desktop "${share}/applications/${ID}.desktop")
set(metainfo "${share}/metainfo/${ID}.metainfo.xml")
set(program "${PREFIX}/bin/chiffrarium")

if(NOT EXISTS "${program}" OR IS_DIRECTORY "${program}")
  fail("the program is not installed as ${program}")
else()
  file(GET_RUNTIME_DEPENDENCIES EXECUTABLES "${program}" UNRESOLVED_DEPENDENCIES_VAR missing)
  if(missing)
    fail("the installed program cannot find ${missing}")
  endif()
endif()

# desktop-file-validate exits 0 on warnings and hints (a menu entry without a
# main category lands in a catch-all menu), so any word from it fails.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)  # Debian: desktop-file-utils
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} "${desktop}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  fail("desktop-file-validate ${desktop} (${rc}):\n${out}")
endif()

# --strict fails on warnings and infos too; pedantic hints (the upper-case
# letter in our reverse-DNS id, no release history yet) are allowed.
find_program(APPSTREAMCLI appstreamcli REQUIRED)  # Debian: appstream
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --strict "${metainfo}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  fail("appstreamcli validate ${metainfo} (${rc}):\n${out}")
endif()

# The three files name each other: the menu entry starts the installed program
# and shows the installed icon, and the metainfo launches the menu entry.
if(EXISTS "${desktop}")
  # The entry's own Exec first, then the action that starts it for the projector.
  file(STRINGS "${desktop}" execs REGEX "^Exec=")
  file(STRINGS "${desktop}" icon REGEX "^Icon=")
  list(GET execs 0 exec)
  if(NOT exec STREQUAL "Exec=chiffrarium")
    fail("the menu entry starts '${exec}', not the installed chiffrarium")
  endif()
  if(NOT "Exec=env CHIFFRARIUM_ZOOM=max chiffrarium" IN_LIST execs)
    fail("the menu entry has no action that starts chiffrarium as large as the screen allows")
  endif()
  if(NOT icon STREQUAL "Icon=${ID}")
    fail("the menu entry shows '${icon}', not the installed icon ${ID}")
  endif()
endif()
if(EXISTS "${metainfo}")
  file(READ "${metainfo}" xml)
  if(NOT xml MATCHES "<launchable type=\"desktop-id\">${ID}.desktop</launchable>")
    fail("the metainfo does not launch ${ID}.desktop")
  endif()
endif()

# Free software: the licence and the Debian copyright file go with it.
foreach(file IN ITEMS LICENSE copyright)
  if(NOT EXISTS "${share}/doc/chiffrarium/${file}")
    fail("no ${share}/doc/chiffrarium/${file}")
  endif()
endforeach()
if(EXISTS "${metainfo}" AND NOT xml MATCHES "<project_license>GPL-3.0-or-later</project_license>")
  fail("the metainfo names no licence GPL-3.0-or-later")
endif()

set(icons "${share}/icons/hicolor")
if(NOT EXISTS "${icons}/scalable/apps/${ID}.svg")
  fail("no scalable icon ${icons}/scalable/apps/${ID}.svg")
endif()
# A PNG keeps its width and height as big-endian words at bytes 16 and 20.
foreach(size IN ITEMS 16 24 32 48 64 128 256)
  set(png "${icons}/${size}x${size}/apps/${ID}.png")
  if(NOT EXISTS "${png}")
    fail("no ${size}x${size} icon ${png}")
    continue()
  endif()
  file(READ "${png}" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
    fail("${png} is ${width}x${height}, not a ${size}x${size} PNG")
  endif()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} install check(s) failed")
endif()
message(STATUS "Installed into ${PREFIX}: menu entry, metainfo and icons check out")
