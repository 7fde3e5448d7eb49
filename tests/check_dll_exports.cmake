cmake_minimum_required(VERSION 3.25)
# Compares the export tables of radar.dll and orvane.dll with their lists, and
# checks that radar.dll imports the network library's six operations from
# orvane.dll under the names the network library exports.
#   -DLIBRARY=<radar.dll> -DNETWORK=<orvane.dll> -DLIST=<radar_exports.txt>
#   -DNETWORK_LIST=<orvane_exports.txt> -DOBJDUMP=<objdump> -DDECORATED=<TRUE on 32-bit>

include(${CMAKE_CURRENT_LIST_DIR}/export_names.cmake)

set(failures "")
foreach(pair "${LIBRARY}|${LIST}" "${NETWORK}|${NETWORK_LIST}")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 dll)
  list(GET pair 1 list)
  expected_names(${list} expected)
  exported_names(${dll} exported dump)
  if(NOT exported STREQUAL expected)
    foreach(name IN LISTS exported)
      if(NOT name IN_LIST expected)
        string(APPEND failures "${dll}: exported but not listed: ${name}\n")
      endif()
    endforeach()
    foreach(name IN LISTS expected)
      if(NOT name IN_LIST exported)
        string(APPEND failures "${dll}: listed but not exported: ${name}\n")
      endif()
    endforeach()
  endif()
  list(LENGTH exported count)
  message(STATUS "${dll}: ${count} exports, exactly as listed")
  if(dll STREQUAL LIBRARY)
    set(radar_dump "${dump}")
  endif()
endforeach()

# radar.dll imports the six operations from orvane.dll.
string(REGEX MATCH "DLL Name: orvane\\.dll\n[^\n]*\n(([^\n]+\n)*)" imports "${radar_dump}")
expected_names(${NETWORK_LIST} network_names)
foreach(operation SetRadarSource ChangeRadarSource SetConvRadFunc SetEndRadFunc GetRadarSourceStatus GetRadarSourceAddr)
  set(found FALSE)
  foreach(name IN LISTS network_names)
    if(name MATCHES "^_?${operation}(@[0-9]+)?$" AND imports MATCHES "[ \t]${name}\n")
      set(found TRUE)
      message(STATUS "radar.dll imports ${name} from orvane.dll")
    endif()
  endforeach()
  if(NOT found)
    string(APPEND failures "radar.dll does not import ${operation} from orvane.dll under its exported name\n")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
