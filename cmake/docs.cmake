# The API reference: Doxygen HTML made from the doc comments of include/radar.h,
# include/radar_tracking.h and orvane/orvane.h (docs/Doxyfile.in, main page docs/api.md). Doxygen is a
# program of the build machine, so the Windows cross builds make the same pages.
# With RADAR_DOCS on, target radar_docs is part of every build, and a
# declaration without a doc comment fails it.
#
# Sets RADAR_DOCS_HTML_DIR, the folder of the pages, when RADAR_DOCS is on.

find_program(RADAR_DOXYGEN NAMES doxygen NO_CMAKE_FIND_ROOT_PATH
             DOC "Doxygen, for the API reference")
# The input filter that makes each command code's block the documentation of
# its Set, Get and Put (docs/api_filter.py, named in Doxyfile.in).
find_program(RADAR_PYTHON NAMES python3 NO_CMAKE_FIND_ROOT_PATH DOC "Python 3, for the API reference")

# The Doxyfile uses FAIL_ON_WARNINGS and WARN_IF_INCOMPLETE_DOC, both in 1.9.4.
set(radar_doxygen_usable OFF)
if(RADAR_DOXYGEN AND RADAR_PYTHON)
  execute_process(COMMAND ${RADAR_DOXYGEN} --version OUTPUT_VARIABLE radar_doxygen_version
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  string(REGEX MATCH "^[0-9]+\\.[0-9]+\\.[0-9]+" radar_doxygen_version "${radar_doxygen_version}")
  if(radar_doxygen_version VERSION_GREATER_EQUAL 1.9.4)
    set(radar_doxygen_usable ON)
  endif()
endif()

option(RADAR_DOCS "Make the API reference with Doxygen 1.9.4 or later" ${radar_doxygen_usable})

if(RADAR_DOCS OR (RADAR_BUILD_TESTS AND radar_doxygen_usable))
  if(NOT radar_doxygen_usable)
    message(FATAL_ERROR "RADAR_DOCS needs Doxygen 1.9.4 or later and Python 3 on the build machine "
                        "(found: '${RADAR_DOXYGEN}' ${radar_doxygen_version}, '${RADAR_PYTHON}'); "
                        "tools/setup.sh installs Doxygen, or configure with -DRADAR_DOCS=OFF")
  endif()
  set(RADAR_DOCS_OUTPUT_DIR ${CMAKE_BINARY_DIR}/docs/api)
  configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${CMAKE_BINARY_DIR}/docs/Doxyfile @ONLY)
endif()

if(RADAR_DOCS)
  set(RADAR_DOCS_HTML_DIR ${RADAR_DOCS_OUTPUT_DIR}/html)
  # The stamp is touched only when Doxygen succeeds, so a failed run is run
  # again by the next build. The old pages go first: none outlives its source.
  set(radar_docs_stamp ${RADAR_DOCS_OUTPUT_DIR}/radar_docs.stamp)
  add_custom_command(
    OUTPUT ${radar_docs_stamp}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${RADAR_DOCS_HTML_DIR}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${RADAR_DOCS_OUTPUT_DIR}
    COMMAND ${RADAR_DOXYGEN} ${CMAKE_BINARY_DIR}/docs/Doxyfile
    COMMAND ${CMAKE_COMMAND} -E touch ${radar_docs_stamp}
    DEPENDS ${PROJECT_SOURCE_DIR}/include/radar.h ${PROJECT_SOURCE_DIR}/include/radar_tracking.h
            ${PROJECT_SOURCE_DIR}/docs/api_filter.py
            ${PROJECT_SOURCE_DIR}/orvane/orvane.h
            ${PROJECT_SOURCE_DIR}/docs/api.md ${CMAKE_BINARY_DIR}/docs/Doxyfile
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Making the API reference (Doxygen)"
    VERBATIM)
  add_custom_target(radar_docs ALL DEPENDS ${radar_docs_stamp})
endif()

# Doxygen fails on a header with one doc comment taken out, and the real
# headers give a page entry for every export.
if(RADAR_BUILD_TESTS AND radar_doxygen_usable)
  add_test(NAME docs_fail_on_undocumented
           COMMAND ${CMAKE_COMMAND} -DDOXYGEN=${RADAR_DOXYGEN}
                   -DDOXYFILE=${CMAKE_BINARY_DIR}/docs/Doxyfile -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                   -DWORK_DIR=${CMAKE_BINARY_DIR}/docs/check
                   -P ${PROJECT_SOURCE_DIR}/tests/check_docs.cmake)
endif()
