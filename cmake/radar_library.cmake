# libradar: the product. Its export list lives in cmake/radar_exports.txt;
# the linker script that keeps everything else inside is made from it.

set(RADAR_EXPORT_LIST ${CMAKE_SOURCE_DIR}/cmake/radar_exports.txt)
radar_read_exports(${RADAR_EXPORT_LIST} RADAR_EXPORT_NAMES RADAR_EXPORT_COUNTS)
list(LENGTH RADAR_EXPORT_NAMES RADAR_EXPORT_COUNT)
if(NOT RADAR_EXPORT_COUNT EQUAL 244)
  message(FATAL_ERROR "cmake/radar_exports.txt lists ${RADAR_EXPORT_COUNT} functions, not 244")
endif()

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
target_include_directories(radar PUBLIC $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/include>
                                        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
# libradar.so.1: the interface's major version is the SONAME.
if(NOT WIN32)
  set_target_properties(radar PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
endif()
# The platform seam pins the library in memory with the dynamic loader's calls.
target_link_libraries(radar PRIVATE Threads::Threads ${CMAKE_DL_LIBS})
if(WIN32)
  # radar.dll: the exports and their decorations come from the .def file, which
  # is shipped beside the import library for callers.
  set_target_properties(radar PROPERTIES PREFIX "" IMPORT_PREFIX "" IMPORT_SUFFIX ".lib")
  set(RADAR_DEF ${CMAKE_BINARY_DIR}/radar.def)
  radar_def_file(${RADAR_EXPORT_LIST} radar.dll ${RADAR_DEF})
  target_sources(radar PRIVATE ${RADAR_DEF})
  target_link_libraries(radar PRIVATE ws2_32)
  # What callers link: the import library (and the .def it is made from)
  # naming the decorated exports. On 64-bit Windows names are plain and the
  # linker's own import library serves.
  if(RADAR_STDCALL_DECORATED)
    set(RADAR_CALLER_DEF ${CMAKE_BINARY_DIR}/lib/radar_callers.def)
    set(RADAR_CALLER_LIB ${CMAKE_BINARY_DIR}/lib/radar.lib)
    radar_import_def(${RADAR_EXPORT_LIST} radar.dll ${RADAR_CALLER_DEF})
    add_custom_command(OUTPUT ${RADAR_CALLER_LIB}
      COMMAND ${CMAKE_DLLTOOL} -m i386 -d ${RADAR_CALLER_DEF} -l ${RADAR_CALLER_LIB}
      DEPENDS ${RADAR_CALLER_DEF} COMMENT "Import library for radar.dll")
    add_custom_target(radar_caller_lib ALL DEPENDS ${RADAR_CALLER_LIB})
    set_target_properties(radar PROPERTIES IMPORT_SUFFIX ".dll.a")  # the linker's own, unused
    add_library(radar_callers INTERFACE)
    add_dependencies(radar_callers radar radar_caller_lib)
    target_include_directories(radar_callers INTERFACE ${CMAKE_SOURCE_DIR}/include)
    target_link_libraries(radar_callers INTERFACE ${RADAR_CALLER_LIB})
  endif()
  if(RADAR_STDCALL_DECORATED)
    # The network library's operations are imported under their decorated
    # stdcall names, as the maker's orvane.dll exports them.
    set(ORVANE_IMPORT_DEF ${CMAKE_BINARY_DIR}/orvane_imports.def)
    set(ORVANE_IMPORT_LIB ${CMAKE_BINARY_DIR}/lib/orvane_imports.a)
    radar_import_def(${CMAKE_SOURCE_DIR}/orvane/orvane_exports.txt orvane.dll ${ORVANE_IMPORT_DEF})
    add_custom_command(OUTPUT ${ORVANE_IMPORT_LIB}
      COMMAND ${CMAKE_DLLTOOL} -m i386 -d ${ORVANE_IMPORT_DEF} -l ${ORVANE_IMPORT_LIB}
      DEPENDS ${ORVANE_IMPORT_DEF} COMMENT "Import library for orvane.dll")
    add_custom_target(orvane_imports DEPENDS ${ORVANE_IMPORT_LIB})
    add_dependencies(radar orvane_imports orvane)
    target_link_libraries(radar PRIVATE ${ORVANE_IMPORT_LIB})
  else()
    target_link_libraries(radar PRIVATE orvane)
  endif()
else()
  radar_version_script(${RADAR_EXPORT_LIST} ${CMAKE_BINARY_DIR}/radar.map)
  target_link_libraries(radar PRIVATE orvane)
  target_link_options(radar PRIVATE "LINKER:--version-script=${CMAKE_BINARY_DIR}/radar.map" "LINKER:--no-undefined")
  set_property(TARGET radar APPEND PROPERTY LINK_DEPENDS ${CMAKE_BINARY_DIR}/radar.map)
endif()

# For tests only: internals visible, the network library left to the test.
add_library(radar_internal STATIC $<TARGET_OBJECTS:radar_objects> $<TARGET_OBJECTS:radar_platform>)
target_include_directories(radar_internal PUBLIC
  ${CMAKE_SOURCE_DIR}/include ${CMAKE_SOURCE_DIR}/orvane ${CMAKE_SOURCE_DIR})
target_link_libraries(radar_internal PUBLIC Threads::Threads ${CMAKE_DL_LIBS})
if(WIN32)
  target_link_libraries(radar_internal PUBLIC ws2_32)
endif()
