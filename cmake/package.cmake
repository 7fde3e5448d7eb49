# What ships: version resources in the Windows DLLs, the installed tree
# (`cmake --install`), the CMake package (radar::radar, radar::orvane and
# radar::tracking), radar.pc and radartrack.pc, and the archives cpack
# makes from the same build folder: radar-<version>-Linux.tar.gz and the
# Debian packages (cmake/package/debian.cmake) on Linux,
# radar-<version>-win32.zip and radar-<version>-win64.zip from the Windows
# builds.
#
# On Linux every install rule belongs to a component named after the Debian
# package that carries it: libradar1, libradartrack1 (the runtimes),
# libradar-dev, libradartrack-dev (headers, development links, CMake package,
# pkg-config files) and radar-tools (radarctl and its manual page). The
# component `relocatable` holds what only the tarball and `cmake --install`
# have: the pkg-config files that find their prefix from where they lie, and
# the manual in share/doc/radar.

# The version text the library reports (OrvaneGetRadarDllVersionNo) is kept in
# its code; the version resources and the packages carry the same text.
file(STRINGS ${PROJECT_SOURCE_DIR}/session/session.cpp RADAR_VERSION_LINE
     REGEX "^constexpr char version_text\\[\\] = \"[0-9a-z]+\";$")
string(REGEX REPLACE ".*\"([0-9a-z]+)\".*" "\\1" RADAR_VERSION_TEXT "${RADAR_VERSION_LINE}")
if(NOT RADAR_VERSION_TEXT MATCHES "^[0-9a-z]+$")
  message(FATAL_ERROR "session/session.cpp: no version_text found")
endif()

# ---- Hardening -----------------------------------------------------------------
# What Debian builds its packages with (dpkg-buildflags with hardening=+all):
# libc's checked string and memory calls, stack protector, relocations made
# read-only and bound at load, and a position-independent radarctl. Only in
# optimised builds (fortification needs the optimiser) and not under the
# sanitizers, whose own checks the fortified calls would bypass.
if(NOT WIN32 AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  include(CheckPIESupported)
  check_pie_supported(LANGUAGES C CXX)
  set(radar_optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
  set(radar_compiled radar_objects radar_platform orvane radartrack)
  set(radar_linked radar orvane radartrack)
  if(TARGET radarctl)
    list(APPEND radar_compiled radar_common radar_station radarctl_pictures radarctl)
    if(TARGET radar_server)
      list(APPEND radar_compiled radar_server)
    endif()
    list(APPEND radar_linked radarctl)
  endif()
  foreach(target IN LISTS radar_compiled)
    # -U first: some compilers define their own level already.
    target_compile_options(${target} PRIVATE -fstack-protector-strong
                           "$<${radar_optimised}:-U_FORTIFY_SOURCE>" "$<${radar_optimised}:-D_FORTIFY_SOURCE=2>")
  endforeach()
  foreach(target IN LISTS radar_linked)
    target_link_options(${target} PRIVATE "LINKER:-z,relro" "LINKER:-z,now")
  endforeach()
endif()

# ---- The installed tree --------------------------------------------------------
include(CMakePackageConfigHelpers)
if(NOT WIN32)
  set(RADAR_INSTALL_DOCDIR ${CMAKE_INSTALL_DOCDIR})
  # Installed programs and libraries find their neighbours wherever the tree
  # is unpacked (the Debian packages take these paths out again).
  file(RELATIVE_PATH lib_from_bin ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
  set_target_properties(radar orvane radartrack PROPERTIES INSTALL_RPATH "$ORIGIN")
  if(TARGET radarctl)
    set_target_properties(radarctl PROPERTIES INSTALL_RPATH "$ORIGIN/${lib_from_bin}")
  endif()
  install(FILES include/radar.h orvane/orvane.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT libradar-dev)
  install(FILES include/radar_tracking.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT libradartrack-dev)
endif()

# The manual: in the tree and the tarball under share/doc/radar; the Debian
# packages put the same files in libradar-dev's folder.
file(GLOB radar_docs CONFIGURE_DEPENDS docs/*.md docs/*.png)
list(REMOVE_ITEM radar_docs ${PROJECT_SOURCE_DIR}/docs/api.md)  # the reference's own front page
set(radar_doc_files README.md ${radar_docs})
if(NOT WIN32)
  # The licence and the third-party notices beside the manual; the Debian
  # packages say the same in their copyright files.
  set(radar_legal LICENSE)
  if(EXISTS ${PROJECT_SOURCE_DIR}/THIRD-PARTY-NOTICES.txt)
    list(APPEND radar_legal THIRD-PARTY-NOTICES.txt)
  endif()
  install(FILES ${radar_doc_files} ${radar_legal} DESTINATION ${RADAR_INSTALL_DOCDIR} COMPONENT relocatable)
  if(RADAR_DOCS_HTML_DIR)
    install(DIRECTORY ${RADAR_DOCS_HTML_DIR}/ DESTINATION ${RADAR_INSTALL_DOCDIR}/api COMPONENT relocatable)
  endif()
endif()
if(TARGET radarctl)
  install(TARGETS radarctl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT radar-tools)
endif()

# The bindings, as sources a program takes in: the C# file and its example,
# the Python package (pip installs it from its folder) and its example. In
# share/radar of the tree, the tarball and libradar-dev; in bindings/ of the
# Windows zips.
if(WIN32)
  set(radar_bindings_dir bindings)
else()
  set(radar_bindings_dir ${CMAKE_INSTALL_DATADIR}/radar)
endif()
install(FILES bindings/csharp/Radar.cs bindings/csharp/Example.cs DESTINATION ${radar_bindings_dir}/csharp
        COMPONENT libradar-dev)
# example.py is not executable there: `python3 example.py` runs it, and a
# script the package could run would make it depend on Python.
install(FILES bindings/python/pyproject.toml bindings/python/README.md bindings/python/example.py
        DESTINATION ${radar_bindings_dir}/python COMPONENT libradar-dev)
file(GLOB radar_python_modules CONFIGURE_DEPENDS bindings/python/radar/*.py)
install(FILES ${radar_python_modules} DESTINATION ${radar_bindings_dir}/python/radar COMPONENT libradar-dev)

if(NOT WIN32)
  # radar::radar carries the link to the network library along: a caller that
  # names the stand-in's directory (NetSetStation) or whose linker checks every
  # symbol needs liborvane too.
  target_link_libraries(radar INTERFACE $<INSTALL_INTERFACE:radar::orvane>)
  # radar::tracking carries radar::radar: radar_tracking.h includes radar.h,
  # and the lines it takes come from the radar library.
  target_link_libraries(radartrack INTERFACE $<INSTALL_INTERFACE:radar::radar>)
  # The runtimes and their development links go to different packages; the
  # network library has no SONAME (orvane/CMakeLists.txt), so its one file,
  # the name the radar library loads, is runtime.
  install(TARGETS radar EXPORT radarTargets
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT libradar1 NAMELINK_COMPONENT libradar-dev
          INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  install(TARGETS orvane EXPORT radarTargets
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT libradar1
          INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  install(TARGETS radartrack EXPORT radarTrackingTargets
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT libradartrack1 NAMELINK_COMPONENT libradartrack-dev
          INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  # Two export files, so that the radar library's development package works
  # without the tracker's: radarConfig.cmake reads the second when it is there.
  set(cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/radar)
  install(EXPORT radarTargets NAMESPACE radar:: DESTINATION ${cmake_dir} COMPONENT libradar-dev)
  install(EXPORT radarTrackingTargets NAMESPACE radar:: DESTINATION ${cmake_dir} COMPONENT libradartrack-dev)
  configure_package_config_file(cmake/package/radarConfig.cmake.in
    ${CMAKE_BINARY_DIR}/package/radarConfig.cmake INSTALL_DESTINATION ${cmake_dir})
  # 1.x callers take any 1.y with y at least theirs; 2.0 is another interface.
  write_basic_package_version_file(${CMAKE_BINARY_DIR}/package/radarConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
  install(FILES ${CMAKE_BINARY_DIR}/package/radarConfig.cmake
                ${CMAKE_BINARY_DIR}/package/radarConfigVersion.cmake DESTINATION ${cmake_dir}
          COMPONENT libradar-dev)
  # The pkg-config files of the tree find their prefix from their own folder,
  # so the tarball works wherever it is unpacked; the Debian packages' name /usr.
  file(RELATIVE_PATH pc_to_prefix ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
  string(REGEX REPLACE "/$" "" pc_to_prefix "${pc_to_prefix}")
  function(radar_pkg_config prefix folder)
    set(RADAR_PC_PREFIX ${prefix})
    foreach(pc radar radartrack)
      configure_file(${PROJECT_SOURCE_DIR}/cmake/package/${pc}.pc.in ${folder}/${pc}.pc @ONLY)
    endforeach()
  endfunction()
  radar_pkg_config("\${pcfiledir}/${pc_to_prefix}" ${CMAKE_BINARY_DIR}/package)
  install(FILES ${CMAKE_BINARY_DIR}/package/radar.pc ${CMAKE_BINARY_DIR}/package/radartrack.pc
          DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT relocatable)
endif()

# ---- radarctl's manual page ----------------------------------------------------
# Made from `radarctl --help` by help2man when radarctl is built (so it runs
# here: not in a cross build), gzipped as manual pages are installed.
if(TARGET radarctl AND NOT WIN32 AND NOT CMAKE_CROSSCOMPILING)
  find_program(RADAR_HELP2MAN help2man DOC "help2man, for radarctl's manual page")
  if(RADAR_HELP2MAN)
    set(RADAR_MANUAL_PAGE ${CMAKE_BINARY_DIR}/package/radarctl.1.gz)
    add_custom_command(OUTPUT ${RADAR_MANUAL_PAGE}
      COMMAND ${CMAKE_COMMAND} -DHELP2MAN=${RADAR_HELP2MAN} -DPROGRAM=$<TARGET_FILE:radarctl>
              -DVERSION=${PROJECT_VERSION} -DINCLUDE=${PROJECT_SOURCE_DIR}/cmake/package/radarctl.h2m
              -DCHANGELOG=${PROJECT_SOURCE_DIR}/cmake/package/debian/changelog
              -DOUTPUT=${RADAR_MANUAL_PAGE} -P ${PROJECT_SOURCE_DIR}/cmake/package/manual_page.cmake
      DEPENDS radarctl ${PROJECT_SOURCE_DIR}/cmake/package/radarctl.h2m
              ${PROJECT_SOURCE_DIR}/cmake/package/manual_page.cmake
              ${PROJECT_SOURCE_DIR}/cmake/package/debian/changelog
      COMMENT "radarctl's manual page (help2man)" VERBATIM)
    add_custom_target(radarctl_manual_page ALL DEPENDS ${RADAR_MANUAL_PAGE})
    install(FILES ${RADAR_MANUAL_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT radar-tools)
  else()
    message(WARNING "help2man not found: radarctl is installed without its manual page "
                    "(tools/setup.sh installs help2man)")
  endif()
endif()

include(cmake/package_windows.cmake)  # the Windows SDK: its zip, its symbols zip

# ---- Archives --------------------------------------------------------------------
set(CPACK_PACKAGE_NAME radar)
set(CPACK_PACKAGE_VENDOR "radar")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Radar SDK maintainers <maintainers@radar-sdk.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://radar-sdk.org/")
set(CPACK_STRIP_FILES ON)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/package/cpack_options.cmake)
if(WIN32)
  # CPack names the system win32 or win64 by the pointer size.
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
      "Marine radar library: settings, command sentences, echo lines with trails, recording, CPA/TCPA; target tracking")
else()
  # (No CPACK_PACKAGE_DESCRIPTION_SUMMARY: the DEB generator would put it
  # before each package's own synopsis.)
  set(CPACK_GENERATOR TGZ DEB)
  include(cmake/package/debian.cmake)
endif()
include(CPack)
