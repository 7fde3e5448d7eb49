# write_if_changed(PATH CONTENT): writes only what differs, so that a file made
# again the same does not make its users build again.
function(write_if_changed path content)
  set(old "")
  if(EXISTS "${path}")
    file(READ "${path}" old)
  endif()
  if(NOT old STREQUAL content)
    file(WRITE "${path}" "${content}")
  endif()
endfunction()
