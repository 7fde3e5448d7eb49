# Run by cpack on the Windows SDK's tree once it is installed and stripped,
# before it is zipped (CPACK_PRE_BUILD_SCRIPTS, cmake/package_windows.cmake).
#  - Each binary's debug information is split off the unstripped build output
#    into <name>.debug (the symbols zip), and the shipped binary names that
#    file in a .gnu_debuglink section: its file name and CRC-32, so a debugger
#    takes the .debug file of this build and no other.
#  - Every text file gets CRLF line ends.
include(${CPACK_RADAR_BINARIES})  # RADAR_BINARIES (the build's), RADAR_OBJCOPY

set(tree ${CPACK_TEMPORARY_DIRECTORY})
if(NOT EXISTS ${tree}/bin)
  message(FATAL_ERROR "the SDK's staged tree is not at ${tree}")
endif()
set(symbols ${CPACK_RADAR_SYMBOLS_DIR}/${CPACK_PACKAGE_FILE_NAME}/bin)
file(REMOVE_RECURSE ${CPACK_RADAR_SYMBOLS_DIR})
file(MAKE_DIRECTORY ${symbols})
foreach(binary IN LISTS RADAR_BINARIES)
  get_filename_component(name ${binary} NAME)
  if(NOT EXISTS ${tree}/bin/${name})
    message(FATAL_ERROR "the SDK has no bin/${name}")
  endif()
  execute_process(COMMAND ${RADAR_OBJCOPY} --only-keep-debug ${binary} ${symbols}/${name}.debug
                  COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${RADAR_OBJCOPY} --strip-debug --add-gnu-debuglink=${symbols}/${name}.debug
                          ${tree}/bin/${name}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()

file(GLOB_RECURSE files LIST_DIRECTORIES false ${tree}/*)
foreach(file IN LISTS files)
  if(file MATCHES "\\.(txt|h|c|cs|py|toml|def|pc|cmake|json|html|css|js|svg|md|map|md5)$" OR file MATCHES "/LICENSE$")
    file(READ ${file} text)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE ${file} "${text}")
  endif()
endforeach()
