# The Debian packages, made by cpack's DEB generator from the install rules,
# one package per install component (cmake/package.cmake):
#   libradar1          libradar.so.1 and liborvane.so
#   libradartrack1     libradartrack.so.1
#   libradar-dev       radar.h, orvane.h, libradar.so, the CMake package, radar.pc,
#                      the manual and the API reference
#   libradartrack-dev  radar_tracking.h, libradartrack.so, radar::tracking, radartrack.pc
#   radar-tools        radarctl and its manual page
# Each carries /usr/share/doc/<package>/copyright (machine-readable) and
# changelog.Debian.gz. The rules below are for the packages alone
# (EXCLUDE_FROM_ALL): the tarball and `cmake --install` leave them out.
#
# One build folder makes both the tarball and the packages, so the packages
# hold the tree's own layout under /usr: libraries and the CMake package in
# /usr/${CMAKE_INSTALL_LIBDIR}, which is /usr/lib in the default build (on
# every Debian system's library path; the packages then declare no
# Multi-Arch). A build configured with -DCMAKE_INSTALL_PREFIX=/usr has the
# multiarch folder lib/<triplet> there (GNUInstallDirs), in the tarball and
# the packages alike. The pkg-config files are the packages' own and always
# lie in the multiarch folder.

set(RADAR_DEB_PACKAGES libradar1 libradartrack1 libradar-dev libradartrack-dev radar-tools)
set(deb_source ${PROJECT_SOURCE_DIR}/cmake/package/debian)
set(deb_build ${CMAKE_BINARY_DIR}/package/debian)
set(deb_docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc)

# The changelog's latest entry names the version: this version with the
# packaging revision after the dash.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${deb_source}/changelog)
file(STRINGS ${deb_source}/changelog deb_entry LIMIT_COUNT 1)
if(NOT deb_entry MATCHES "^radar \\(([0-9.]+)-([0-9]+)\\) " OR NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "cmake/package/debian/changelog: its latest entry is not for ${PROJECT_VERSION} "
                      "(\"radar (${PROJECT_VERSION}-1) ...\"): ${deb_entry}")
endif()
set(RADAR_DEB_REVISION ${CMAKE_MATCH_2})
set(deb_version ${PROJECT_VERSION}-${RADAR_DEB_REVISION})
file(MAKE_DIRECTORY ${deb_build})
execute_process(COMMAND gzip -9n INPUT_FILE ${deb_source}/changelog OUTPUT_FILE ${deb_build}/changelog.Debian.gz
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "gzip failed on cmake/package/debian/changelog")
endif()

# ---- What each package holds beside the tree's files ---------------------------
# Copyright and changelog; radar-tools' copyright adds what radarctl has
# compiled in.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${deb_source}/copyright-radarctl)
foreach(package IN LISTS RADAR_DEB_PACKAGES)
  set(RADAR_COPYRIGHT_EMBEDDED "")
  if(package STREQUAL "radar-tools")
    file(READ ${deb_source}/copyright-radarctl RADAR_COPYRIGHT_EMBEDDED)
    string(PREPEND RADAR_COPYRIGHT_EMBEDDED "\n")
  endif()
  configure_file(${deb_source}/copyright.in ${deb_build}/${package}/copyright @ONLY)
  install(FILES ${deb_build}/${package}/copyright ${deb_build}/changelog.Debian.gz
          DESTINATION ${deb_docdir}/${package} COMPONENT ${package} EXCLUDE_FROM_ALL)
  # lintian's overrides: the one every package has, then the package's own;
  # each says why beside it.
  file(READ ${deb_source}/common.lintian-overrides.in overrides)
  string(CONFIGURE "${overrides}" overrides @ONLY)
  if(EXISTS ${deb_source}/${package}.lintian-overrides)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${deb_source}/${package}.lintian-overrides)
    file(READ ${deb_source}/${package}.lintian-overrides own)
    string(APPEND overrides "${own}")
  endif()
  file(WRITE ${deb_build}/${package}/lintian-overrides "${overrides}")
  install(FILES ${deb_build}/${package}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
          RENAME ${package} COMPONENT ${package} EXCLUDE_FROM_ALL)
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${deb_source}/common.lintian-overrides.in)

# The manual and the API reference in the development package's folder.
install(FILES ${radar_doc_files} DESTINATION ${deb_docdir}/libradar-dev COMPONENT libradar-dev EXCLUDE_FROM_ALL)
if(RADAR_DOCS_HTML_DIR)
  install(DIRECTORY ${RADAR_DOCS_HTML_DIR}/ DESTINATION ${deb_docdir}/libradar-dev/api
          COMPONENT libradar-dev EXCLUDE_FROM_ALL)
  # Registered with doc-base, so that documentation browsers list it.
  install(FILES ${deb_source}/libradar-dev.doc-base DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc-base
          RENAME libradar-dev.libradar-dev-api COMPONENT libradar-dev EXCLUDE_FROM_ALL)
endif()

# pkg-config files that name /usr (cpack's prefix for the packages), so that
# pkg-config prints plain -lradar and no -I of a folder found through
# ../.. from the file's own. They lie in the architecture's own folder, where
# a cross pkg-config (x86_64-linux-gnu-pkg-config) finds them too.
radar_pkg_config(/usr ${deb_build})
set(deb_pcdir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(deb_pcdir lib/${CMAKE_LIBRARY_ARCHITECTURE}/pkgconfig)
endif()
install(FILES ${deb_build}/radar.pc DESTINATION ${deb_pcdir} COMPONENT libradar-dev EXCLUDE_FROM_ALL)
install(FILES ${deb_build}/radartrack.pc DESTINATION ${deb_pcdir} COMPONENT libradartrack-dev EXCLUDE_FROM_ALL)

# Installed in the system's folders the libraries and radarctl need no search
# path of their own: the tree's $ORIGIN paths come out again. And as
# debhelper strips them, without the compilers' .comment and .note sections.
function(radar_deb_binary package path)
  set(file "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${path}")
  install(CODE "file(RPATH_REMOVE FILE \"${file}\")
    execute_process(COMMAND ${CMAKE_STRIP} --remove-section=.comment --remove-section=.note \"${file}\"
                    COMMAND_ERROR_IS_FATAL ANY)"
          COMPONENT ${package} EXCLUDE_FROM_ALL)
endfunction()
radar_deb_binary(libradar1 ${CMAKE_INSTALL_LIBDIR}/$<TARGET_FILE_NAME:radar>)
radar_deb_binary(libradar1 ${CMAKE_INSTALL_LIBDIR}/$<TARGET_FILE_NAME:orvane>)
radar_deb_binary(libradartrack1 ${CMAKE_INSTALL_LIBDIR}/$<TARGET_FILE_NAME:radartrack>)
if(TARGET radarctl)
  radar_deb_binary(radar-tools ${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:radarctl>)
endif()

# ---- Control files ---------------------------------------------------------------
# Applications built against 1.x depend on libradar1 (>= 1.x): minor releases
# add exports, patch releases do not. shlibs says so for the SONAMEs; the
# symbols file, written when cpack has staged the libraries
# (cmake/package/runtime_control.cmake), for every export, liborvane.so's too.
# The dynamic loader's cache is refreshed by the ldconfig trigger, as
# debhelper does it, not by maintainer scripts.
set(deb_shlibs_version ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
set(CPACK_RADAR_SHLIBS_VERSION ${deb_shlibs_version})
set(CPACK_RADAR_CONTROL_DIR ${deb_build})
foreach(library radar radartrack)
  set(package lib${library}${PROJECT_VERSION_MAJOR})
  file(WRITE ${deb_build}/${package}/shlibs
       "lib${library} ${PROJECT_VERSION_MAJOR} ${package} (>= ${deb_shlibs_version})\n")
  string(TOUPPER ${package} P)
  set(CPACK_RADAR_DEV_PACKAGE_${P} lib${library}-dev)
  set(CPACK_DEBIAN_${P}_PACKAGE_CONTROL_EXTRA
      ${deb_build}/${package}/shlibs ${deb_build}/${package}/symbols ${deb_source}/triggers)
endforeach()

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${RADAR_DEB_PACKAGES})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${RADAR_DEB_REVISION})
set(CPACK_DEBIAN_PACKAGE_SOURCE radar)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# What the libraries and radarctl link is read from them (dpkg-shlibdeps);
# the packages' own libraries, which it cannot see, are named below. For the
# runtime packages a script of ours runs it: cpack's own run would add
# maintainer scripts that call ldconfig beside the trigger.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/lib)
set(CPACK_RADAR_RUNTIME_PACKAGES libradar1 libradartrack1)
set(CPACK_DEBIAN_LIBRADAR1_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_LIBRADARTRACK1_PACKAGE_SHLIBDEPS OFF)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/package/runtime_control.cmake)

set(deb_radar "libradar1 (>= ${deb_shlibs_version})")
set(deb_track "libradartrack1 (>= ${deb_shlibs_version})")
string(CONCAT deb_about_radar
    "The radar library talks to a marine radar over the network: it opens a\n"
    "session with the radar station, reads and changes its settings, sends and\n"
    "receives its command sentences, and turns its echo datagrams into echo\n"
    "lines with trails, which it records and plays back. Its calculator gives a\n"
    "target's closest point of approach (CPA) and the time to it (TCPA).\n")
string(CONCAT deb_about_track
    "The tracking library follows targets in the radar library's echo lines:\n"
    "it finds echoes, acquires and tracks targets with their course, speed,\n"
    "CPA and TCPA, and watches guard zones. It computes only: no thread, no\n"
    "clock, no input or output.\n")

set(CPACK_DEBIAN_LIBRADAR1_PACKAGE_NAME libradar1)
set(CPACK_DEBIAN_LIBRADAR1_PACKAGE_SECTION libs)
string(CONCAT CPACK_DEBIAN_LIBRADAR1_DESCRIPTION "marine radar library\n${deb_about_radar}\n"
    "This package holds the shared library libradar.so.1 and liborvane.so, the\n"
    "network library it loads.")

set(CPACK_DEBIAN_LIBRADARTRACK1_PACKAGE_NAME libradartrack1)
set(CPACK_DEBIAN_LIBRADARTRACK1_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_LIBRADARTRACK1_PACKAGE_DEPENDS "${deb_radar}")
string(CONCAT CPACK_DEBIAN_LIBRADARTRACK1_DESCRIPTION "target tracking library for the marine radar library\n"
    "${deb_about_track}\nThis package holds the shared library libradartrack.so.1.")

set(CPACK_DEBIAN_LIBRADAR-DEV_PACKAGE_NAME libradar-dev)
set(CPACK_DEBIAN_LIBRADAR-DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_LIBRADAR-DEV_PACKAGE_DEPENDS "libradar1 (= ${deb_version})")
string(CONCAT CPACK_DEBIAN_LIBRADAR-DEV_DESCRIPTION "marine radar library - development files\n${deb_about_radar}\n"
    "This package holds the headers radar.h and orvane.h, the development link,\n"
    "the CMake package (find_package(radar), target radar::radar), the\n"
    "pkg-config file radar.pc, the manual and the API reference.")

set(CPACK_DEBIAN_LIBRADARTRACK-DEV_PACKAGE_NAME libradartrack-dev)
set(CPACK_DEBIAN_LIBRADARTRACK-DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_LIBRADARTRACK-DEV_PACKAGE_DEPENDS
    "libradartrack1 (= ${deb_version}), libradar-dev (= ${deb_version})")
string(CONCAT CPACK_DEBIAN_LIBRADARTRACK-DEV_DESCRIPTION "target tracking library - development files\n${deb_about_track}\n"
    "This package holds the header radar_tracking.h, the development link, the\n"
    "target radar::tracking of the CMake package and the pkg-config file\n"
    "radartrack.pc.")

set(CPACK_DEBIAN_RADAR-TOOLS_PACKAGE_NAME radar-tools)
set(CPACK_DEBIAN_RADAR-TOOLS_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_RADAR-TOOLS_PACKAGE_DEPENDS "${deb_radar}, ${deb_track}")
string(CONCAT CPACK_DEBIAN_RADAR-TOOLS_DESCRIPTION "radar station simulator, PPI pictures and browser viewer\n"
    "radarctl runs a simulated marine radar station for programs built on the\n"
    "radar library, records its echo, draws PPI pictures of recordings and\n"
    "reports on them, computes CPA and TCPA, tracks the targets of a scenario,\n"
    "and serves a radar to a web browser, with a PPI viewer, over HTTP and\n"
    "WebSocket.")
