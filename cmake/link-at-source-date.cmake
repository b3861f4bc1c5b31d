# Runs a link command with SOURCE_DATE_EPOCH set to the source date, for GNU
# ld to write into the PE header in place of the time of the link:
#   cmake -DSOURCE_DATE_FILE=.../source-date.txt -P link-at-source-date.cmake -- LINKER ARGS...
# (the CXX_LINKER_LAUNCHER of the program, see source-date.cmake).
set(command)
set(past_separator FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE 1 ${last})
  if(past_separator)
    list(APPEND command "${CMAKE_ARGV${i}}")
  elseif(CMAKE_ARGV${i} STREQUAL "--")
    set(past_separator TRUE)
  endif()
endforeach()
if(NOT command)
  message(FATAL_ERROR "link-at-source-date.cmake: no link command after --")
endif()

file(READ "${SOURCE_DATE_FILE}" epoch)
if(NOT epoch STREQUAL "")
  set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
endif()
execute_process(COMMAND ${command} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "link failed (${rc})")
endif()
