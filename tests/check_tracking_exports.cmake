cmake_minimum_required(VERSION 3.25)
# Compares the tracking library's export table with the functions its header
# marks RADARTRACK_EXPORT: exactly those, under their plain names on every
# system (they are __cdecl on 32-bit Windows). On Windows it also checks that
# every name radartrack.dll imports from radar.dll is one radar.dll exports,
# decorated as it exports it; on Linux, the SONAME and each export's version.
#   -DLIBRARY=<libradartrack.so | radartrack.dll> -DHEADER=<radar_tracking.h>
#   Linux:   -DNM=<nm> -DREADELF=<readelf> -DSONAME=<libradartrack.so.1> -DVERSION=<RADARTRACK_1.0>
#   Windows: -DOBJDUMP=<objdump> -DRADAR_LIST=<radar_exports.txt> -DDECORATED=<TRUE on 32-bit>

file(READ ${HEADER} header)
string(REGEX MATCHALL "\nRADARTRACK_EXPORT [^(;]*RADARTRACK_API ([A-Za-z0-9_]+)\\(" declarations "${header}")
set(declared "")
foreach(declaration IN LISTS declarations)
  string(REGEX REPLACE ".*RADARTRACK_API ([A-Za-z0-9_]+)\\($" "\\1" name "${declaration}")
  list(APPEND declared ${name})
endforeach()
list(LENGTH declared declared_count)
if(declared_count EQUAL 0)
  message(FATAL_ERROR "${HEADER}: no RADARTRACK_EXPORT declaration found")
endif()
list(SORT declared)

include(${CMAKE_CURRENT_LIST_DIR}/export_names.cmake)

set(failures "")
set(exported "")
if(OBJDUMP)
  exported_names(${LIBRARY} exported dump)

  # What it takes from radar.dll, against radar.dll's export list.
  expected_names(${RADAR_LIST} radar_names)
  if(dump MATCHES "DLL Name: radar\\.dll\n[^\n]*\n(([^\n]+\n)*)")
    string(REPLACE "\n" ";" rows "${CMAKE_MATCH_1}")
    foreach(row IN LISTS rows)
      if(row MATCHES "[ \t]([^ \t]+)$")
        if(NOT CMAKE_MATCH_1 IN_LIST radar_names)
          string(APPEND failures "imports ${CMAKE_MATCH_1} from radar.dll, which radar.dll does not export\n")
        else()
          message(STATUS "imports ${CMAKE_MATCH_1} from radar.dll")
        endif()
      endif()
    endforeach()
  endif()
else()
  defined_symbols(${LIBRARY} exported versions)
  foreach(name version IN ZIP_LISTS exported versions)
    if(NOT version STREQUAL VERSION)
      string(APPEND failures "${name} carries the version \"${version}\", not ${VERSION}\n")
    endif()
  endforeach()
  execute_process(COMMAND ${READELF} -d ${LIBRARY} OUTPUT_VARIABLE dynamic)
  string(REPLACE "." "\\." soname_pattern "${SONAME}")
  if(NOT dynamic MATCHES "\\(SONAME\\)[^\n]*\\[${soname_pattern}\\]")
    string(APPEND failures "its SONAME is not ${SONAME}\n")
  endif()
endif()
list(SORT exported)

foreach(name IN LISTS exported)
  if(NOT name IN_LIST declared)
    string(APPEND failures "exported but not declared RADARTRACK_EXPORT: ${name}\n")
  endif()
endforeach()
foreach(name IN LISTS declared)
  if(NOT name IN_LIST exported)
    string(APPEND failures "declared RADARTRACK_EXPORT but not exported: ${name}\n")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "${LIBRARY}:\n${failures}")
endif()
message(STATUS "${LIBRARY}: ${declared_count} exports, exactly the functions radar_tracking.h declares")
