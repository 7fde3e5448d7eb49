# Run by cpack once the packages' files are staged (CPACK_PRE_BUILD_SCRIPTS),
# for the runtime packages (CPACK_RADAR_RUNTIME_PACKAGES):
# - Depends: what their libraries link, read by dpkg-shlibdeps. cpack would
#   read it itself (CPACK_DEBIAN_PACKAGE_SHLIBDEPS) but then also give the
#   packages maintainer scripts that run ldconfig, which the ldconfig trigger
#   makes needless; so it is off for them and done here.
# - symbols: each library's exports, each from CPACK_RADAR_SHLIBS_VERSION on,
#   as dpkg-gensymbols writes them. Unlike shlibs (keyed by a SONAME's name and
#   number) it also serves liborvane.so, which has no SONAME: a program linked
#   with -lorvane gets its dependency from here.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()

function(radar_run)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE failed
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(failed)
    message(FATAL_ERROR "${ARGN}: ${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

foreach(package IN LISTS CPACK_RADAR_RUNTIME_PACKAGES)
  set(staged ${CPACK_TEMPORARY_DIRECTORY}/${package})
  file(GLOB_RECURSE candidates LIST_DIRECTORIES false "${staged}/*.so" "${staged}/*.so.*")
  set(libraries "")
  foreach(file IN LISTS candidates)
    if(NOT IS_SYMLINK ${file})
      list(APPEND libraries ${file})
    endif()
  endforeach()
  if(NOT libraries)
    message(FATAL_ERROR "${package}: no library staged in ${staged}")
  endif()

  # dpkg-shlibdeps wants a source package around it; the packages' own
  # libraries, which no installed package provides, are found in the build.
  set(work ${CPACK_TEMPORARY_DIRECTORY}/shlibdeps-${package})
  file(WRITE ${work}/debian/control "")
  set(private "")
  foreach(dir IN LISTS CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS)
    list(APPEND private -l${dir})
  endforeach()
  execute_process(COMMAND dpkg-shlibdeps ${private} --ignore-missing-info -O ${libraries}
                  WORKING_DIRECTORY ${work} OUTPUT_VARIABLE found ERROR_VARIABLE errors
                  RESULT_VARIABLE failed OUTPUT_STRIP_TRAILING_WHITESPACE)
  file(REMOVE_RECURSE ${work})
  if(failed OR NOT found MATCHES "^shlibs:Depends=")
    message(FATAL_ERROR "dpkg-shlibdeps on ${package}'s libraries: ${errors}")
  endif()
  string(REGEX REPLACE "^shlibs:Depends=" "" found "${found}")
  string(TOUPPER ${package} P)
  if(CPACK_DEBIAN_${P}_PACKAGE_DEPENDS)
    string(APPEND CPACK_DEBIAN_${P}_PACKAGE_DEPENDS ", ${found}")
  else()
    set(CPACK_DEBIAN_${P}_PACKAGE_DEPENDS "${found}")
  endif()

  # The symbols file: per library its SONAME (or, without one, the file's
  # name, which is what programs record), then every defined dynamic symbol
  # with its version node (Base when it has none).
  set(symbols "")
  list(SORT libraries)
  foreach(library IN LISTS libraries)
    radar_run(readelf -d ${library})
    if(out MATCHES "\\(SONAME\\)[^[]*\\[([^]]+)\\]")
      set(soname ${CMAKE_MATCH_1})
    else()
      get_filename_component(soname ${library} NAME)
    endif()
    string(APPEND symbols "${soname} ${package} #MINVER#\n* Build-Depends-Package: ${CPACK_RADAR_DEV_PACKAGE_${P}}\n")
    radar_run(nm -D --defined-only ${library})
    string(REPLACE "\n" ";" lines "${out}")
    set(entries "")
    foreach(line IN LISTS lines)
      if(NOT line MATCHES "^[0-9a-f]+ ([A-Za-z]) ([^ @]+)(@@?([^ ]+))?$")
        continue()
      endif()
      if(CMAKE_MATCH_1 STREQUAL "A" AND NOT CMAKE_MATCH_3)
        list(APPEND entries "${CMAKE_MATCH_2}@${CMAKE_MATCH_2}")  # a version node's own symbol
      elseif(CMAKE_MATCH_3)
        list(APPEND entries "${CMAKE_MATCH_2}@${CMAKE_MATCH_4}")
      else()
        list(APPEND entries "${CMAKE_MATCH_2}@Base")
      endif()
    endforeach()
    list(SORT entries)
    foreach(entry IN LISTS entries)
      string(APPEND symbols " ${entry} ${CPACK_RADAR_SHLIBS_VERSION}\n")
    endforeach()
  endforeach()
  file(WRITE ${CPACK_RADAR_CONTROL_DIR}/${package}/symbols "${symbols}")
endforeach()
