# Installs the build into PREFIX and checks what a desktop expects to find there.
# cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -DPROGRAM_DIR=... -DHELP_SOURCE=... -DICON_SOURCE_DIR=...
#       -P check_install.cmake

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

foreach(file ${PROGRAM_DIR}/pelmora ${PROGRAM_DIR}/Help.rtf bin/pelmora share/applications/${APP_ID}.desktop
             share/metainfo/${APP_ID}.metainfo.xml)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(READ_SYMLINK ${PREFIX}/bin/pelmora target)
if(NOT target STREQUAL "../${PROGRAM_DIR}/pelmora")
  message(FATAL_ERROR "bin/pelmora should be a relative link into the program folder, is: ${target}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${HELP_SOURCE} ${PREFIX}/${PROGRAM_DIR}/Help.rtf
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the installed Help.rtf differs from the source")
endif()
# Every icon the sources have, in its freedesktop size folder.
foreach(size 16 32 48 64 128)
  set(installed ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  if(EXISTS ${ICON_SOURCE_DIR}/pelmora-${size}.png AND NOT EXISTS ${installed})
    message(FATAL_ERROR "icon not installed: ${installed}")
  endif()
endforeach()

execute_process(COMMAND desktop-file-validate ${PREFIX}/share/applications/${APP_ID}.desktop
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0 OR out MATCHES "error")
  message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
execute_process(COMMAND appstreamcli validate --no-net --explain ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate: ${out}")
endif()

# Started through the link, the program must run as itself (no display needed for --version).
execute_process(COMMAND ${PREFIX}/bin/pelmora --version RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT out MATCHES "Pelmora [0-9]+\\.[0-9]+")
  message(FATAL_ERROR "bin/pelmora --version: status ${status}, output '${out}${err}'")
endif()
message(STATUS "installed and validated: ${PREFIX}")
