# What ships: version resources in the Windows DLLs, the installed tree
# (`cmake --install`), the CMake package (radar::radar, radar::orvane and
# radar::tracking), radar.pc and radartrack.pc, and the archives cpack
# makes from the same build folder: radar-<version>-Linux.tar.gz and
# radar_<version>_amd64.deb on Linux, radar-<version>-win32.zip and
# radar-<version>-win64.zip from the Windows builds.

# The version text the library reports (OrvaneGetRadarDllVersionNo) is kept in
# its code; the version resources and the packages carry the same text.
file(STRINGS ${PROJECT_SOURCE_DIR}/session/session.cpp RADAR_VERSION_LINE
     REGEX "^constexpr char version_text\\[\\] = \"[0-9a-z]+\";$")
string(REGEX REPLACE ".*\"([0-9a-z]+)\".*" "\\1" RADAR_VERSION_TEXT "${RADAR_VERSION_LINE}")
if(NOT RADAR_VERSION_TEXT MATCHES "^[0-9a-z]+$")
  message(FATAL_ERROR "session/session.cpp: no version_text found")
endif()

# ---- Version resources ---------------------------------------------------------
if(WIN32)
  enable_language(RC)
  function(radar_version_resource target name description)
    set(RADAR_RC_NAME ${name})
    set(RADAR_RC_FILE ${name}.dll)
    set(RADAR_RC_DESCRIPTION "${description}")
    set(rc ${CMAKE_BINARY_DIR}/version/${name}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/package/version.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
  endfunction()
  radar_version_resource(radar radar "Radar library: settings, command sentences, echo, recording, CPA/TCPA")
  radar_version_resource(orvane orvane "Network library (stand-in) for the radar library")
  radar_version_resource(radartrack radartrack "Target tracking from the radar's echo: targets, CPA/TCPA, guard zones")
endif()

# ---- The installed tree --------------------------------------------------------
include(CMakePackageConfigHelpers)
if(WIN32)
  # The Windows SDK: DLLs and programs in bin, import libraries and the .def
  # in lib, the reference and notes in doc, README.txt at the top.
  set(RADAR_INSTALL_DOCDIR doc)
else()
  set(RADAR_INSTALL_DOCDIR ${CMAKE_INSTALL_DOCDIR})
  # Installed programs and libraries find their neighbours wherever the tree is unpacked.
  file(RELATIVE_PATH lib_from_bin ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
  set_target_properties(radar orvane radartrack PROPERTIES INSTALL_RPATH "$ORIGIN")
  if(TARGET radarctl)
    set_target_properties(radarctl PROPERTIES INSTALL_RPATH "$ORIGIN/${lib_from_bin}")
  endif()
endif()

install(FILES include/radar.h include/radar_tracking.h orvane/orvane.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES README.md DESTINATION ${RADAR_INSTALL_DOCDIR})
file(GLOB radar_docs CONFIGURE_DEPENDS docs/*.md docs/*.png)
list(REMOVE_ITEM radar_docs ${PROJECT_SOURCE_DIR}/docs/api.md)  # the reference's own front page
install(FILES ${radar_docs} DESTINATION ${RADAR_INSTALL_DOCDIR})
if(RADAR_DOCS_HTML_DIR)
  install(DIRECTORY ${RADAR_DOCS_HTML_DIR}/ DESTINATION ${RADAR_INSTALL_DOCDIR}/api)
endif()
if(TARGET radarctl)
  install(TARGETS radarctl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(WIN32)
  install(TARGETS radar orvane radartrack RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_BINARY_DIR}/radar.def DESTINATION ${CMAKE_INSTALL_LIBDIR})
  # radartrack.dll's functions are __cdecl with plain names on both systems:
  # the linker's own import library serves.
  install(FILES $<TARGET_LINKER_FILE:radartrack> DESTINATION ${CMAKE_INSTALL_LIBDIR} RENAME radartrack.lib)
  if(RADAR_STDCALL_DECORATED)
    # The import libraries that name the decorated stdcall exports.
    install(FILES ${RADAR_CALLER_LIB} DESTINATION ${CMAKE_INSTALL_LIBDIR})
    install(FILES ${ORVANE_IMPORT_LIB} DESTINATION ${CMAKE_INSTALL_LIBDIR} RENAME orvane.lib)
  else()
    install(FILES $<TARGET_LINKER_FILE:radar> DESTINATION ${CMAKE_INSTALL_LIBDIR} RENAME radar.lib)
    install(FILES $<TARGET_LINKER_FILE:orvane> DESTINATION ${CMAKE_INSTALL_LIBDIR} RENAME orvane.lib)
  endif()
  set(VERSION ${PROJECT_VERSION})
  configure_file(docs/windows/README.txt ${CMAKE_BINARY_DIR}/package/README.txt @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/package/README.txt DESTINATION .)
else()
  # radar::radar carries the link to the network library along: a caller that
  # names the stand-in's directory (NetSetStation) or whose linker checks every
  # symbol needs liborvane too.
  target_link_libraries(radar INTERFACE $<INSTALL_INTERFACE:radar::orvane>)
  # radar::tracking carries radar::radar: radar_tracking.h includes radar.h,
  # and the lines it takes come from the radar library.
  target_link_libraries(radartrack INTERFACE $<INSTALL_INTERFACE:radar::radar>)
  install(TARGETS radar orvane radartrack EXPORT radarTargets
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
          INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  set(cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/radar)
  install(EXPORT radarTargets NAMESPACE radar:: DESTINATION ${cmake_dir})
  configure_package_config_file(cmake/package/radarConfig.cmake.in
    ${CMAKE_BINARY_DIR}/package/radarConfig.cmake INSTALL_DESTINATION ${cmake_dir})
  # 1.x callers take any 1.y with y at least theirs; 2.0 is another interface.
  write_basic_package_version_file(${CMAKE_BINARY_DIR}/package/radarConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
  install(FILES ${CMAKE_BINARY_DIR}/package/radarConfig.cmake
                ${CMAKE_BINARY_DIR}/package/radarConfigVersion.cmake DESTINATION ${cmake_dir})
  file(RELATIVE_PATH RADAR_PC_TO_PREFIX ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
  string(REGEX REPLACE "/$" "" RADAR_PC_TO_PREFIX "${RADAR_PC_TO_PREFIX}")
  foreach(pc radar radartrack)
    configure_file(cmake/package/${pc}.pc.in ${CMAKE_BINARY_DIR}/package/${pc}.pc @ONLY)
    install(FILES ${CMAKE_BINARY_DIR}/package/${pc}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
  endforeach()
endif()

# ---- Archives --------------------------------------------------------------------
set(CPACK_PACKAGE_NAME radar)
set(CPACK_PACKAGE_VENDOR "radar")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Marine radar library: settings, command sentences, echo lines with trails, recording, CPA/TCPA; target tracking")
set(CPACK_PACKAGE_CONTACT "radar developers <radar@localhost>")
set(CPACK_STRIP_FILES ON)
if(WIN32)
  # CPack names the system win32 or win64 by the pointer size.
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR TGZ DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION libs)
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
      "The radar library (libradar.so.1) and the target tracking library\n (libradartrack.so.1) with their headers, CMake package and pkg-config\n files, the stand-in network library, radarctl and the API reference.")
  # What the libraries and radarctl link is read from them (dpkg-shlibdeps);
  # the package's own libraries are found in its tree.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/lib)
  set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
endif()
include(CPack)
