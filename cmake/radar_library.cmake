# libradar: the product. Its export list lives in cmake/radar_exports.txt;
# the linker script that keeps everything else inside is made from it.

file(STRINGS ${CMAKE_SOURCE_DIR}/cmake/radar_exports.txt RADAR_EXPORT_LINES REGEX "^Orvane")
set(RADAR_EXPORT_NAMES "")
foreach(line IN LISTS RADAR_EXPORT_LINES)
  string(REGEX REPLACE " .*" "" name "${line}")
  list(APPEND RADAR_EXPORT_NAMES ${name})
endforeach()
list(LENGTH RADAR_EXPORT_NAMES RADAR_EXPORT_COUNT)
if(NOT RADAR_EXPORT_COUNT EQUAL 244)
  message(FATAL_ERROR "cmake/radar_exports.txt lists ${RADAR_EXPORT_COUNT} functions, not 244")
endif()

list(JOIN RADAR_EXPORT_NAMES ";\n    " RADAR_VERSION_SCRIPT_NAMES)
set(RADAR_VERSION_SCRIPT ${CMAKE_BINARY_DIR}/radar.map)
file(WRITE ${RADAR_VERSION_SCRIPT}.in "{\n  global:\n    ${RADAR_VERSION_SCRIPT_NAMES};\n  local: *;\n};\n")
configure_file(${RADAR_VERSION_SCRIPT}.in ${RADAR_VERSION_SCRIPT} COPYONLY)

# The library's code is compiled once; the shared library is the product, and
# the same objects in a static archive let white-box tests reach internals.
add_library(radar_objects OBJECT
  session/session.cpp
  session/station_name.cpp
  params/store.cpp
  params/exports.cpp
  sentences/sender.cpp
  sentences/builder.cpp
  sentences/exports.cpp
  incoming/dispatch.cpp
  incoming/scanner.cpp
  incoming/handler_table.cpp
  incoming/handlers.cpp
  echo/line_record.cpp
  echo/socket_table.cpp
  echo/decoder.cpp
  echo/trails.cpp
  echo/ring.cpp
  echo/recording.cpp
  echo/receiver.cpp
  geometry/trig.cpp
  geometry/fixed_point.cpp
  geometry/cpa.cpp
  geometry/exports.cpp
)
target_include_directories(radar_objects
  PUBLIC ${CMAKE_SOURCE_DIR}/include ${CMAKE_SOURCE_DIR}/orvane
  PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/platform)
target_compile_definitions(radar_objects PRIVATE RADAR_BUILDING_LIBRARY)
target_compile_options(radar_objects PRIVATE ${RADAR_WARNINGS})

add_library(radar SHARED $<TARGET_OBJECTS:radar_objects> $<TARGET_OBJECTS:radar_platform>)
target_include_directories(radar PUBLIC ${CMAKE_SOURCE_DIR}/include)
target_link_libraries(radar PRIVATE orvane Threads::Threads)

# For tests only: internals visible, the network library left to the test.
add_library(radar_internal STATIC $<TARGET_OBJECTS:radar_objects> $<TARGET_OBJECTS:radar_platform>)
target_include_directories(radar_internal PUBLIC
  ${CMAKE_SOURCE_DIR}/include ${CMAKE_SOURCE_DIR}/orvane ${CMAKE_SOURCE_DIR})
target_link_libraries(radar_internal PUBLIC Threads::Threads)
if(NOT WIN32)
  target_link_options(radar PRIVATE "LINKER:--version-script=${RADAR_VERSION_SCRIPT}"
                                    "LINKER:--no-undefined")
  set_property(TARGET radar APPEND PROPERTY LINK_DEPENDS ${RADAR_VERSION_SCRIPT})
endif()
