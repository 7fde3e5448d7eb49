# The Windows SDK as a company's developers receive it: `cpack` in a Windows
# build folder makes radar-<version>-win32.zip (win64 from the 64-bit build)
# and beside it radar-<version>-win32-symbols.zip.
#
#   README.txt, LICENSE, THIRD-PARTY-NOTICES.txt
#   bin/       radar.dll, radartrack.dll, orvane.dll, radarctl.exe: stripped,
#              each with a version resource and the name of its .debug file
#   include/   radar.h, radar_tracking.h, orvane.h
#   lib/       radar.lib, radartrack.lib, orvane.lib (import libraries,
#              cmake/radar_library.cmake) and the .def file each is made from;
#              cmake/radar/ (find_package(radar), MSVC or MinGW) and
#              pkgconfig/ (radar.pc, radartrack.pc)
#   examples/  session.c, a CMake project that builds it with find_package,
#              and a scenario for radarctl's simulated station
#   doc/       radarctl.txt and the API reference (api/index.html)
#
# The text is written for someone who has only the zip (docs/windows/), and
# every text file has CRLF line ends. The symbols zip holds
# <package>/bin/<binary>.debug, the debug information split from each binary:
# unpacked over the SDK it lies where a debugger looks for it.
if(NOT WIN32)
  return()
endif()

# ---- Version resources ---------------------------------------------------------
# Company and copyright are LICENSE's holder line, so the two cannot differ.
enable_language(RC)
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE RADAR_RC_COPYRIGHT REGEX "^Copyright \\(c\\) [0-9]+ .+$" LIMIT_COUNT 1)
string(REGEX REPLACE "^Copyright \\(c\\) [0-9]+ " "" RADAR_RC_COMPANY "${RADAR_RC_COPYRIGHT}")
if(NOT RADAR_RC_COMPANY)
  message(FATAL_ERROR "LICENSE: no \"Copyright (c) YEAR HOLDER\" line")
endif()
string(APPEND RADAR_RC_COPYRIGHT ". MIT License.")

function(radar_version_resource target file type description)
  get_filename_component(RADAR_RC_NAME ${file} NAME_WE)
  set(RADAR_RC_FILE ${file})
  set(RADAR_RC_FILETYPE ${type})
  set(RADAR_RC_DESCRIPTION "${description}")
  set(rc ${CMAKE_BINARY_DIR}/version/${RADAR_RC_NAME}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/package/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
radar_version_resource(radar radar.dll VFT_DLL "Radar library: settings, command sentences, echo, recording, CPA/TCPA")
radar_version_resource(orvane orvane.dll VFT_DLL "Network library (stand-in) for the radar library")
radar_version_resource(radartrack radartrack.dll VFT_DLL
                       "Target tracking from the radar's echo: targets, CPA/TCPA, guard zones")
set(radar_shipped radar orvane radartrack)
if(TARGET radarctl)
  radar_version_resource(radarctl radarctl.exe VFT_APP
                         "Radar station simulator, PPI pictures, recordings, CPA/TCPA, browser viewer")
  list(APPEND radar_shipped radarctl)
endif()

# ---- Debug information -----------------------------------------------------------
# Compiled in (DWARF), split off into the symbols zip when cpack packs.
# radarctl takes function names and line tables only (-g1): what a crash's
# stack needs, without the full information of Boost.Beast's templates.
foreach(target radar_objects radar_platform orvane radartrack)
  target_compile_options(${target} PRIVATE -g)
endforeach()
if(TARGET radarctl)
  foreach(target radar_common radar_station radarctl_pictures radarctl)
    target_compile_options(${target} PRIVATE -g1)
  endforeach()
  if(TARGET radar_server)
    target_compile_options(radar_server PRIVATE -g1)
  endif()
endif()
if(NOT CMAKE_OBJCOPY)
  message(FATAL_ERROR "no objcopy for ${CMAKE_SYSTEM_NAME} (binutils-mingw-w64): the symbols zip needs it")
endif()
list(TRANSFORM radar_shipped REPLACE "(.+)" "$<TARGET_FILE:\\1>" OUTPUT_VARIABLE radar_shipped_files)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/package/windows_binaries.cmake
     CONTENT "set(RADAR_BINARIES \"${radar_shipped_files}\")\nset(RADAR_OBJCOPY \"${CMAKE_OBJCOPY}\")\n")

# ---- The tree ------------------------------------------------------------------------
install(TARGETS radar orvane radartrack RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} EXCLUDE_FROM_ALL)  # the linker's own .dll.a: not shipped
install(FILES include/radar.h include/radar_tracking.h orvane/orvane.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
foreach(name radar orvane radartrack)
  install(FILES ${CMAKE_BINARY_DIR}/lib/${name}.lib ${CMAKE_BINARY_DIR}/lib/${name}.def
          DESTINATION ${CMAKE_INSTALL_LIBDIR})
endforeach()

set(windows_package ${CMAKE_BINARY_DIR}/package/windows)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(RADAR_SDK_SYSTEM win32)
  set(RADAR_SDK_BITS 32)
else()
  set(RADAR_SDK_SYSTEM win64)
  set(RADAR_SDK_BITS 64)
endif()
configure_file(cmake/package/radarConfig-windows.cmake.in ${windows_package}/radarConfig.cmake @ONLY)
write_basic_package_version_file(${windows_package}/radarConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${windows_package}/radarConfig.cmake ${windows_package}/radarConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/radar)
# pkg-config files that find the SDK from where they lie; -lradar finds
# radar.lib with MinGW, `pkgconf --msvc-syntax` makes it radar.lib for MSVC.
set(RADAR_PC_PREFIX "\${pcfiledir}/../..")
foreach(pc radar radartrack)
  configure_file(cmake/package/${pc}.pc.in ${windows_package}/${pc}.pc @ONLY)
  install(FILES ${windows_package}/${pc}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()

install(FILES examples/windows/session.c examples/windows/CMakeLists.txt
              station/scenarios/crossing.json DESTINATION examples)
set(VERSION ${PROJECT_VERSION})
foreach(text README radarctl)
  configure_file(docs/windows/${text}.txt ${windows_package}/${text}.txt @ONLY)
endforeach()
install(FILES ${windows_package}/README.txt LICENSE DESTINATION .)
if(EXISTS ${PROJECT_SOURCE_DIR}/THIRD-PARTY-NOTICES.txt)
  install(FILES THIRD-PARTY-NOTICES.txt DESTINATION .)
endif()
install(FILES ${windows_package}/radarctl.txt DESTINATION doc)
if(RADAR_DOCS_HTML_DIR)
  install(DIRECTORY ${RADAR_DOCS_HTML_DIR}/ DESTINATION doc/api)
endif()

# ---- Packing -----------------------------------------------------------------------
# After cpack has installed and stripped the tree: the debuglinks and the CRLF
# line ends (windows_staging.cmake); after the zip: the symbols zip
# (windows_symbols.cmake).
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/package/windows_staging.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/package/windows_symbols.cmake)
set(CPACK_RADAR_BINARIES ${CMAKE_BINARY_DIR}/package/windows_binaries.cmake)
set(CPACK_RADAR_SYMBOLS_DIR ${CMAKE_BINARY_DIR}/package/symbols)
