# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# Installs the build into a scratch prefix, checks the layout, and starts the installed
# veskor-cli with a scratch home: the shipped data must arrive in the user's data folder.
# cmake -DBUILD_DIR=<build> [-DHAVE_MAN=<help2man>] -P InstallSmokeTest.cmake
set(root ${BUILD_DIR}/install-smoke)
set(prefix ${root}/usr)
file(REMOVE_RECURSE ${root})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
  OUTPUT_QUIET RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

function(expect_file path)
  if(NOT EXISTS ${prefix}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endfunction()
function(expect_no_file path)
  if(EXISTS ${path})
    message(FATAL_ERROR "must not be there: ${path}")
  endif()
endfunction()

foreach(file bin/veskor-reader bin/veskor-cli bin/veskor-sim
    share/veskor-reader/codes.txt share/veskor-reader/models.txt
    share/veskor-reader/CarProfiles.ini share/veskor-reader/Profiles/main.ini
    share/veskor-reader/report.en.htm share/veskor-reader/user-guide.en.html
    share/applications/veskor-reader.desktop
    share/icons/hicolor/scalable/apps/veskor-reader.svg
    share/metainfo/org.veskor_reader.VeskorReader.metainfo.xml
    share/doc/veskor-reader/copyright share/doc/veskor-reader/changelog.Debian.gz)
  expect_file(${file})
endforeach()
foreach(size 16 32 48 64 128 256)
  expect_file(share/icons/hicolor/${size}x${size}/apps/veskor-reader.png)
endforeach()
if(HAVE_MAN)
  foreach(program veskor-reader veskor-cli veskor-sim)
    expect_file(share/man/man1/${program}.1.gz)
  endforeach()
endif()
expect_no_file(${prefix}/share/veskor-reader/calibrations.txt)
expect_no_file(${prefix}/bin/codes.txt)

# The fault codes' descriptions come from codes.txt in the program directory.
set(home ${root}/home)
file(MAKE_DIRECTORY ${home})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_DATA_HOME --unset=VESKOR_HOME HOME=${home}
          ${prefix}/bin/veskor-cli --port sim --time-scale 0.1 faults read
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE result TIMEOUT 30)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "installed veskor-cli failed (${result}): ${output}${errors}")
endif()
set(user ${home}/.local/share/veskor-reader)
foreach(file codes.txt models.txt CarProfiles.ini Profiles/main.ini report.en.htm
    user-guide.en.html)
  if(NOT EXISTS ${user}/${file})
    message(FATAL_ERROR "not seeded into the user's data folder: ${file}")
  endif()
endforeach()
expect_no_file(${user}/calibrations.txt)
expect_no_file(${prefix}/bin/reader.ini)
file(REMOVE_RECURSE ${root})
