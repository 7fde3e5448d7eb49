# The API reference fails on an undocumented declaration: Doxygen, with the
# build's Doxyfile, passes on the real headers, where the pages name every
# export, and fails on copies with one doc comment taken out, or with a value
# whose range the reference would have to leave out.
cmake_minimum_required(VERSION 3.25)
#   -DDOXYGEN=<doxygen> -DDOXYFILE=<build/docs/Doxyfile> -DSOURCE_DIR=<source> -DWORK_DIR=<scratch>

file(REMOVE_RECURSE ${WORK_DIR})
file(READ ${DOXYFILE} doxyfile)
file(READ ${SOURCE_DIR}/include/radar.h radar_h)
file(READ ${SOURCE_DIR}/orvane/orvane.h orvane_h)

# Runs Doxygen on the two header texts (and the tracking header as it is) in
# ${WORK_DIR}/<case>; sets rc and log.
function(run_doxygen case radar orvane)
  set(dir ${WORK_DIR}/${case})
  file(WRITE ${dir}/radar.h "${radar}")
  file(WRITE ${dir}/orvane.h "${orvane}")
  # Later settings override earlier ones.
  file(WRITE ${dir}/Doxyfile "${doxyfile}
INPUT = ${dir}/radar.h ${dir}/orvane.h ${SOURCE_DIR}/include/radar_tracking.h ${SOURCE_DIR}/docs/api.md
OUTPUT_DIRECTORY = ${dir}/out
GENERATE_TAGFILE = ${dir}/out/radar.tag
")
  execute_process(COMMAND ${DOXYGEN} ${dir}/Doxyfile WORKING_DIRECTORY ${dir}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(rc "${result}" PARENT_SCOPE)
  set(log "${out}${err}" PARENT_SCOPE)
endfunction()

# The text without the comment just above the line that declares `function`.
function(drop_comment text function result)
  string(FIND "${text}" " ${function}(" at)
  if(at LESS 0)
    message(FATAL_ERROR "no declaration of ${function}")
  endif()
  string(SUBSTRING "${text}" 0 ${at} head)
  string(FIND "${head}" "\n" line_start REVERSE)
  math(EXPR line_start "${line_start} + 1")
  string(SUBSTRING "${text}" 0 ${line_start} head)
  string(FIND "${head}" "/*" comment REVERSE)
  string(SUBSTRING "${head}" ${comment} -1 dropped)
  if(comment LESS 0 OR NOT dropped MATCHES "^/\\*[^\n]*(\n[^\n]*)*\\*/\n$")
    message(FATAL_ERROR "no comment just above ${function}")
  endif()
  string(SUBSTRING "${text}" 0 ${comment} before)
  string(SUBSTRING "${text}" ${line_start} -1 after)
  set(${result} "${before}${after}" PARENT_SCOPE)
endfunction()

set(failures "")

# The real headers: no warning, and every export on its family's page.
run_doxygen(real "${radar_h}" "${orvane_h}")
if(NOT rc EQUAL 0 OR NOT log STREQUAL "")
  string(APPEND failures "the real headers: exit ${rc}\n${log}\n")
else()
  file(READ ${WORK_DIR}/real/out/radar.tag tags)
  file(STRINGS ${SOURCE_DIR}/cmake/radar_exports.txt exports REGEX "^Orvane")
  set(pages "")
  set(count 0)
  foreach(line IN LISTS exports)
    string(REGEX REPLACE " .*" "" name "${line}")
    math(EXPR count "${count} + 1")
    if(NOT tags MATCHES "<name>${name}</name>\n *<anchorfile>(group__radar__[a-z]+\\.html)<")
      string(APPEND failures "${name}: no entry in a group page of the tag file\n")
      continue()
    endif()
    set(page ${CMAKE_MATCH_1})
    if(NOT DEFINED html_${page})
      file(READ ${WORK_DIR}/real/out/html/${page} html_${page})
    endif()
    string(FIND "${html_${page}}" ">${name}()</h2>" entry)
    if(entry LESS 0)
      string(APPEND failures "${name}: no documented entry in ${page}\n")
    endif()
  endforeach()
  message(STATUS "${count} exports documented")
endif()

# One comment taken out: Doxygen fails and names what lost its documentation.
# case | header | the function whose comment goes | the names the failure gives
set(cases
    "session|radar|OrvaneChangeRadarHost|OrvaneChangeRadarHost"
    "code block|radar|OrvaneSetRadarACAuto|OrvaneSetRadarACAuto,OrvaneGetRadarACAuto,OrvanePutRadarACAuto"
    "echo|radar|OrvaneReadEndRadarEcho|OrvaneReadEndRadarEcho"
    "stand-in|orvane|NetClearStations|NetClearStations")
set(n 0)
foreach(row IN LISTS cases)
  string(REPLACE "|" ";" row "${row}")
  list(GET row 0 case)
  list(GET row 1 header)
  list(GET row 2 function)
  list(GET row 3 named)
  string(REPLACE "," ";" named "${named}")
  set(radar "${radar_h}")
  set(orvane "${orvane_h}")
  drop_comment("${${header}}" ${function} ${header})
  math(EXPR n "${n} + 1")
  run_doxygen(mutant${n} "${radar}" "${orvane}")
  if(rc EQUAL 0)
    string(APPEND failures "${case}: Doxygen passed without the comment of ${function}\n")
  endif()
  foreach(name IN LISTS named)
    if(NOT log MATCHES "[^\n]*${name}[(>][^\n]*(is|are) not documented")
      string(APPEND failures "${case}: no warning that ${name} is not documented\n${log}\n")
    endif()
  endforeach()
endforeach()

# A value without its range: the reference could not say what the parameter
# takes, so it is not made.
string(REPLACE "Values: mode 0-3; level 0-100." "Values: mode 0-3." radar "${radar_h}")
run_doxygen(no_range "${radar}" "${orvane_h}")
if(rc EQUAL 0 OR NOT log MATCHES "OrvaneSetRadarGain: the block of 0x03 gives no range for \"level\"")
  string(APPEND failures "a value without its range: exit ${rc}\n${log}\n")
endif()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
