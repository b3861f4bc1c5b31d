# Writes the source date, the time of the last commit in seconds since 1970
# (SOURCE_DATE_EPOCH when set), into OUTPUT, and touches OUTPUT only when the
# value changed, so that nothing is linked again without need:
#   cmake -DSOURCE_DIR=... -DOUTPUT=.../source-date.txt -P write-source-date.cmake
# Outside a git checkout and without SOURCE_DATE_EPOCH the file is empty.
set(epoch "$ENV{SOURCE_DATE_EPOCH}")
if(epoch STREQUAL "")
  execute_process(COMMAND git -C "${SOURCE_DIR}" log -1 --format=%ct
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    set(epoch "")
  endif()
endif()
if(NOT epoch MATCHES "^[0-9]*$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH is not a number of seconds: ${epoch}")
endif()

set(old "<none>")
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
endif()
if(NOT old STREQUAL epoch)
  file(WRITE "${OUTPUT}" "${epoch}")
endif()
