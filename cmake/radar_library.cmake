# libradar: the product. Its export list lives in cmake/radar_exports.txt;
# the linker script that keeps everything else inside is made from it.

set(RADAR_EXPORT_LIST ${CMAKE_SOURCE_DIR}/cmake/radar_exports.txt)
radar_read_exports(${RADAR_EXPORT_LIST} RADAR_EXPORT_NAMES RADAR_EXPORT_COUNTS)
list(LENGTH RADAR_EXPORT_NAMES RADAR_EXPORT_COUNT)
if(NOT RADAR_EXPORT_COUNT EQUAL 244)
  message(FATAL_ERROR "cmake/radar_exports.txt lists ${RADAR_EXPORT_COUNT} functions, not 244")
endif()

# ---- Import libraries for Windows callers ------------------------------------
# radar.lib, orvane.lib and radartrack.lib are in the short import format that
# Microsoft's linker reads (MinGW's reads it too), written by lld-link from a
# .def file in Microsoft's convention, which ships beside each: a 32-bit
# stdcall export is named as the DLL exports it, "_OrvaneGetRadarGain@8";
# cdecl and 64-bit exports by their plain names. Visual Studio's `lib /def`
# reads a .def the same way. llvm-dlltool and GNU dlltool read the MinGW
# convention instead, in which no line imports "_Name@8" under that very name
# (they add a second underscore, or take the first away), so they cannot make
# these libraries. The archive holds no path and no time: the same .def gives
# the same bytes.
if(WIN32)
  find_program(RADAR_LLD_LINK NAMES lld-link-14 lld-link REQUIRED
               DOC "LLVM's linker, which writes the import libraries (package lld-14)")
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(RADAR_LLD_MACHINE x86)
  else()
    set(RADAR_LLD_MACHINE x64)
  endif()
endif()

# radar_import_library(TARGET DEF LIB): LIB made from DEF by the target TARGET,
# part of every build.
function(radar_import_library target def lib)
  get_filename_component(name ${lib} NAME)
  add_custom_command(OUTPUT ${lib}
    COMMAND ${RADAR_LLD_LINK} /nologo /machine:${RADAR_LLD_MACHINE} /def:${def} /out:${lib}
    DEPENDS ${def} COMMENT "Import library ${name}" VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${lib})
endfunction()

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
if(NOT WIN32 AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  # Debug information, from which the ABI check reads the exported functions'
  # types; the packages strip it.
  target_compile_options(radar_objects PRIVATE -g)
endif()

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
  # radar.dll: the exports and their decorations come from the .def file given
  # to the linker; the linker's own import library (radar.dll.a) serves the
  # 64-bit build's own programs and is not shipped.
  set_target_properties(radar PROPERTIES PREFIX "" IMPORT_PREFIX "" IMPORT_SUFFIX ".dll.a")
  set(RADAR_DEF ${CMAKE_BINARY_DIR}/radar.def)
  radar_def_file(${RADAR_EXPORT_LIST} radar.dll ${RADAR_DEF})
  target_sources(radar PRIVATE ${RADAR_DEF})
  target_link_libraries(radar PRIVATE ws2_32)

  # What callers link: radar.lib and orvane.lib, each with the .def it is made
  # from (lib/ of the build folder; both ship).
  set(RADAR_CALLER_DEF ${CMAKE_BINARY_DIR}/lib/radar.def)
  set(RADAR_CALLER_LIB ${CMAKE_BINARY_DIR}/lib/radar.lib)
  radar_def_file(${RADAR_EXPORT_LIST} radar.dll ${RADAR_CALLER_DEF} IMPORT)
  radar_import_library(radar_caller_lib ${RADAR_CALLER_DEF} ${RADAR_CALLER_LIB})
  set(ORVANE_IMPORT_DEF ${CMAKE_BINARY_DIR}/lib/orvane.def)
  set(ORVANE_IMPORT_LIB ${CMAKE_BINARY_DIR}/lib/orvane.lib)
  radar_def_file(${CMAKE_SOURCE_DIR}/orvane/orvane_exports.txt orvane.dll ${ORVANE_IMPORT_DEF} IMPORT)
  radar_import_library(orvane_imports ${ORVANE_IMPORT_DEF} ${ORVANE_IMPORT_LIB})
  if(RADAR_STDCALL_DECORATED)
    # On 32-bit Windows the build's own callers (radartrack.dll, radarctl, the
    # tests) link these libraries, as any application would; radar.dll takes
    # the network library's decorated stdcall names through orvane.lib, as from
    # the maker's orvane.dll.
    add_library(radar_callers INTERFACE)
    add_dependencies(radar_callers radar radar_caller_lib)
    target_include_directories(radar_callers INTERFACE ${CMAKE_SOURCE_DIR}/include)
    target_link_libraries(radar_callers INTERFACE ${RADAR_CALLER_LIB})
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
