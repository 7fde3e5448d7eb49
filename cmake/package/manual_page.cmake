# radarctl's manual page, made from its --help by help2man and gzipped as
# manual pages are installed (-9n: no name or time stamp inside).
#   cmake -DHELP2MAN=help2man -DPROGRAM=radarctl -DVERSION=1.0.0 -DINCLUDE=radarctl.h2m
#         -DCHANGELOG=debian/changelog -DOUTPUT=radarctl.1.gz -P manual_page.cmake
# The page is dated by the latest entry of the packages' changelog
# (SOURCE_DATE_EPOCH), so the same sources make the same page.

file(STRINGS ${CHANGELOG} trailer REGEX "^ -- .*>  " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- .*>  " "" date "${trailer}")
execute_process(COMMAND date -u -d "${date}" +%s OUTPUT_VARIABLE epoch
                OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
if(failed OR NOT epoch MATCHES "^[0-9]+$")
  message(FATAL_ERROR "${CHANGELOG}: no date in its latest entry's trailer line")
endif()

string(REGEX REPLACE "\\.gz$" "" page "${OUTPUT}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 SOURCE_DATE_EPOCH=${epoch}
          ${HELP2MAN} --no-info --section=1 --version-string=${VERSION} --include=${INCLUDE}
          --output=${page} ${PROGRAM}
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "help2man could not make ${page} from ${PROGRAM} --help")
endif()
execute_process(COMMAND gzip -9nf ${page} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "gzip ${page} failed")
endif()
