# Export lists ("Name argument-count" per line, "#" comments) turned into what
# each platform's linker wants:
#   radar_version_script(LIST OUT)  a GNU ld version script: the names global under the version
#                                   node RADAR_1.0, the rest local
#   radar_def_file(LIST DLL OUT [IMPORT])  the .def of a Windows DLL: on 32-bit Windows every
#                                   name decorated as stdcall, "_Name@4N = Name@4N"; plain
#                                   elsewhere. With IMPORT, the .def in Microsoft's convention
#                                   ("_Name@4N") from which the linker writes an import library

function(radar_read_exports list names_var counts_var)
  file(STRINGS ${list} lines REGEX "^[A-Za-z]")
  set(names "")
  set(counts "")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "^([A-Za-z0-9_]+) ([0-9]+)$" ok "${line}")
    if(NOT ok)
      message(FATAL_ERROR "${list}: not \"Name count\": ${line}")
    endif()
    list(APPEND names ${CMAKE_MATCH_1})
    list(APPEND counts ${CMAKE_MATCH_2})
  endforeach()
  set(${names_var} ${names} PARENT_SCOPE)
  set(${counts_var} ${counts} PARENT_SCOPE)
endfunction()

function(radar_write_if_changed out text)
  file(WRITE ${out}.in "${text}")
  configure_file(${out}.in ${out} COPYONLY)
endfunction()

# Every export of the 1.x interface carries the version RADAR_1.0: a program
# records it at link time, and the loader refuses a library without it rather
# than fail at the first missing call. A later 1.x adds its new names under a
# node of its own (RADAR_1.1 { ... } RADAR_1.0;); none is ever taken away.
set(RADAR_SYMBOL_VERSION RADAR_1.0)
set(RADARTRACK_SYMBOL_VERSION RADARTRACK_1.0)  # the tracking library's

function(radar_version_script list out)
  radar_read_exports(${list} names counts)
  list(JOIN names ";\n    " joined)
  radar_write_if_changed(${out} "${RADAR_SYMBOL_VERSION} {\n  global:\n    ${joined};\n  local: *;\n};\n")
endfunction()

# True on 32-bit Windows, where stdcall names carry decorations.
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(RADAR_STDCALL_DECORATED TRUE)
else()
  set(RADAR_STDCALL_DECORATED FALSE)
endif()

function(radar_def_file list dll out)
  radar_read_exports(${list} names counts)
  set(text "LIBRARY ${dll}\nEXPORTS\n")
  foreach(name count IN ZIP_LISTS names counts)
    if(RADAR_STDCALL_DECORATED)
      math(EXPR bytes "${count} * 4")
      if(ARGV3 STREQUAL "IMPORT")
        string(APPEND text "  _${name}@${bytes}\n")
      else()
        string(APPEND text "  _${name}@${bytes} = ${name}@${bytes}\n")
      endif()
    else()
      string(APPEND text "  ${name}\n")
    endif()
  endforeach()
  radar_write_if_changed(${out} "${text}")
endfunction()
