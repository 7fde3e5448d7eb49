# Writes the server's table of parameter groups from radar.h, one row per
# stem: its code, title, Get and Put functions, the fields the Put takes (name,
# range) and the values the Get gives, and the selector of a selector group.
#
#   cmake -DHEADER=include/radar.h -DOUTPUT=groups.inc -P catalogue.cmake
#
# Each group's block in the header reads
#   /* 0x13 Guard zones 1 and 2.
#    * Values: zone 1-2 (zone number); setting 0-1; ...
#    *    ... (continued)
#    * Put accepts width 0-135.              (a Put range that differs)
#    * Put takes the kind alone ...          (a Put without fields)
#   RADAR_EXPORT int16_t RADAR_API OrvaneGetRadarGuard(int16_t zone, uint16_t *setting, ...);
#   RADAR_EXPORT int16_t RADAR_API OrvanePutRadarGuard(uint16_t kind, uint16_t zone, ...);
# A Get whose first parameter is not a pointer takes a selector.

file(READ "${HEADER}" text)
# Semicolons would split CMake lists: they become "|" for the parsing.
string(REPLACE ";" "|" text "${text}")
# A blank line ends a block: it becomes "`", which the header does not hold.
string(REPLACE "`" "'" text "${text}")
string(REPLACE "\n\n" "`" text "${text}")
string(REGEX MATCHALL "/\\* 0x[0-9A-F][0-9A-F] [^`]*" blocks "${text}")

set(rows "")
set(count 0)
foreach(block IN LISTS blocks)
  string(REGEX MATCH "^/\\* 0x([0-9A-F][0-9A-F]) ([^\n]*)\\." _ "${block}")
  set(code "0x${CMAKE_MATCH_1}")
  set(title "${CMAKE_MATCH_2}")
  set(wire "${code}")
  if(title MATCHES "sent as 0x([0-9A-F][0-9A-F])")
    set(wire "0x${CMAKE_MATCH_1}")
  endif()
  string(REGEX REPLACE " \\(.*$" "" title "${title}")

  # The values line and its continuations, as one line.
  string(REGEX MATCH " \\* Values: [^\n]*(\n \\*    [^\n]*)*" values "${block}")
  string(REGEX REPLACE "\n \\*    " " " values "${values}")
  string(REGEX REPLACE "^ \\* Values: " "" values "${values}")
  string(REGEX REPLACE "\\.$" "" values "${values}")
  string(REPLACE "|" ";" values "${values}")

  string(REGEX MATCH "OrvaneGet([A-Za-z0-9]+)\\(([^)]*)\\)" _ "${block}")
  set(stem "${CMAKE_MATCH_1}")
  set(get_params "${CMAKE_MATCH_2}")
  string(REGEX MATCH "OrvanePut[A-Za-z0-9]+\\(([^)]*)\\)" _ "${block}")
  set(put_params "${CMAKE_MATCH_1}")
  if(stem STREQUAL "")
    message(FATAL_ERROR "no Get function in the block of ${code} ${title}")
  endif()

  # Ranges by field name; a Put range that differs overrides.
  set(names "")
  foreach(value IN LISTS values)
    string(STRIP "${value}" value)
    if(value MATCHES "^([a-z0-9]+) any value")
      set(name "${CMAKE_MATCH_1}")
      set(range_${name} "any")
    elseif(value MATCHES "^([a-z0-9]+) (-?[0-9]+)(-| to )(-?[0-9]+)")
      set(name "${CMAKE_MATCH_1}")
      set(range_${name} "${CMAKE_MATCH_2},${CMAKE_MATCH_4}")
    else()
      message(FATAL_ERROR "cannot read the value \"${value}\" of ${code} ${stem}")
    endif()
    list(APPEND names ${name})
  endforeach()
  string(REGEX MATCHALL "Put accepts [a-z0-9]+ -?[0-9]+-[0-9]+" overrides "${block}")
  foreach(o IN LISTS overrides)
    string(REGEX MATCH "Put accepts ([a-z0-9]+) (-?[0-9]+)-([0-9]+)" _ "${o}")
    set(range_${CMAKE_MATCH_1} "${CMAKE_MATCH_2},${CMAKE_MATCH_3}")
  endforeach()

  # The Put's fields: its parameters after the kind.
  string(REGEX REPLACE "[\n ]+" " " put_params "${put_params}")
  string(REPLACE "," ";" put_params "${put_params}")
  list(POP_FRONT put_params)
  set(fields "")
  list(LENGTH put_params field_count)
  foreach(p IN LISTS put_params)
    string(REGEX MATCH "([a-z0-9]+)$" name "${p}")
    if(NOT DEFINED range_${name})
      message(FATAL_ERROR "${stem}: the Put's ${name} has no range in the header")
    endif()
    if(range_${name} STREQUAL "any")
      string(APPEND fields "{\"${name}\", false, 0, 0}, ")
    else()
      string(APPEND fields "{\"${name}\", true, ${range_${name}}}, ")
    endif()
  endforeach()

  # The Get's values (its pointer parameters) and its selector, if any.
  string(REGEX REPLACE "[\n ]+" " " get_params "${get_params}")
  string(REPLACE "," ";" get_params "${get_params}")
  set(get_names "")
  set(value_count 0)
  set(selector "{}")
  set(getter "getter")
  foreach(p IN LISTS get_params)
    string(REGEX MATCH "([a-z0-9]+)$" name "${p}")
    if(p MATCHES "\\*")
      string(APPEND get_names "\"${name}\", ")
      math(EXPR value_count "${value_count} + 1")
    else()
      string(REPLACE "," ", " r "${range_${name}}")
      set(selector "{\"${name}\", ${r}}")
      set(getter "selector_getter")
    endif()
  endforeach()

  string(APPEND rows "    {${code}, ${wire}, \"${stem}\", \"${title}\", ${selector},\n"
                     "     {${fields}}, {${get_names}},\n"
                     "     put_call<&OrvanePut${stem}, ${field_count}>(),\n"
                     "     ${getter}<&OrvaneGet${stem}, ${value_count}>()},\n")
  foreach(name IN LISTS names)
    unset(range_${name})
  endforeach()
  math(EXPR count "${count} + 1")
endforeach()

set(content "// Made from radar.h by catalogue.cmake: do not edit.\n")
string(APPEND content "constexpr std::size_t group_count = ${count};\n")
string(APPEND content "const Group group_table[group_count] = {\n${rows}};\n")
include(${CMAKE_CURRENT_LIST_DIR}/write_if_changed.cmake)
write_if_changed("${OUTPUT}" "${content}")
