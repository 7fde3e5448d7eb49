# Run by cpack after it has made the Windows SDK's zip (CPACK_POST_BUILD_SCRIPTS,
# cmake/package_windows.cmake): <package>-symbols.zip beside it, holding
# <package>/bin/<binary>.debug as windows_staging.cmake split them off.
set(zip ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}-symbols.zip)
file(REMOVE ${zip})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${CPACK_PACKAGE_FILE_NAME}
                WORKING_DIRECTORY ${CPACK_RADAR_SYMBOLS_DIR} COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Debug symbols: ${zip}")
