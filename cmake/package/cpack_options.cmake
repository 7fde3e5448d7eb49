# Read by cpack once for each generator (CPACK_PROJECT_CONFIG_FILE). The
# Debian packages are the install components, one package each
# (CPACK_COMPONENTS_ALL, cmake/package/debian.cmake). An archive is the whole
# tree as `cmake --install` makes it: with the list emptied cpack installs
# every rule but those kept for the Debian packages (EXCLUDE_FROM_ALL).
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_COMPONENTS_ALL "")
endif()
