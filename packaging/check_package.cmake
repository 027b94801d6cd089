# Builds the .deb with cpack into OUT_DIR and checks it: lintian finds no error (nor any of the tags
# the package once had), it depends on Qt's Wayland plugin as well as the libraries, and the package
# version is the program's --version and the changelog's newest entry.
# cmake -DBUILD_DIR=... -DOUT_DIR=... -DPROGRAM=... -DVERSION=... -DCHANGELOG=... -P check_package.cmake

# cpack on the build tree first makes the build tool bring every target up to date, which inside a
# test may mean building the whole project. So the test packs a stripped install of what is built,
# with the same package settings as `make package`.
file(REMOVE_RECURSE ${OUT_DIR})
set(stage ${OUT_DIR}/stage)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${stage}/usr --strip
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
file(WRITE ${OUT_DIR}/CPackStagedConfig.cmake "include(${BUILD_DIR}/CPackConfig.cmake)
set(CPACK_INSTALL_CMAKE_PROJECTS \"\")
set(CPACK_INSTALLED_DIRECTORIES \"${stage};/\")
")
execute_process(COMMAND cpack -G DEB --config ${OUT_DIR}/CPackStagedConfig.cmake -B ${OUT_DIR}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB debs ${OUT_DIR}/*.deb)
list(LENGTH debs count)
if(NOT status EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made ${count} packages (status ${status}):\n${out}")
endif()
message(STATUS "package: ${debs}")

execute_process(COMMAND lintian --tag-display-limit 0 --display-info ${debs}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
message(STATUS "lintian (status ${status}):\n${out}${err}")
set(problems)
if(out MATCHES "(^|\n)E: ")
  list(APPEND problems "errors")
endif()
foreach(tag no-copyright-file no-changelog description-synopsis-is-duplicated extended-description-line-too-long
            no-manual-page)
  if(out MATCHES ": ${tag}( |\n|$)")
    list(APPEND problems ${tag})
  endif()
endforeach()
if(problems OR NOT status EQUAL 0)
  message(FATAL_ERROR "lintian reports: ${problems} (status ${status})")
endif()

execute_process(COMMAND dpkg-deb --field ${debs} Depends OUTPUT_VARIABLE depends OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT depends MATCHES "(^|, )qt6-wayland(,|$| )" OR NOT depends MATCHES "libqt6gui6")
  message(FATAL_ERROR "the package's Depends lack Qt's Wayland plugin or the libraries: ${depends}")
endif()
execute_process(COMMAND dpkg-deb --field ${debs} Version OUTPUT_VARIABLE package_version OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${PROGRAM} --version OUTPUT_VARIABLE program_version OUTPUT_STRIP_TRAILING_WHITESPACE)
file(STRINGS ${CHANGELOG} changelog_head LIMIT_COUNT 1)
string(REGEX REPLACE "^pelmora \\(([^)]*)\\).*" "\\1" changelog_version "${changelog_head}")
if(NOT package_version STREQUAL VERSION OR NOT program_version STREQUAL "Pelmora ${VERSION}"
   OR NOT changelog_version STREQUAL VERSION)
  message(FATAL_ERROR "versions disagree: project ${VERSION}, package ${package_version}, "
                      "--version '${program_version}', changelog ${changelog_version}")
endif()
message(STATUS "lintian clean, version ${VERSION} everywhere")
