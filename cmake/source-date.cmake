# A program built twice from one commit is the same file: its PE time stamp
# is the time of the last commit (SOURCE_DATE_EPOCH wins when set), not of
# the link. The release takes its file times from the same value.
#
# JEDNOTAR_SOURCE_DATE_FILE holds that time in seconds since 1970 (empty
# when neither git nor SOURCE_DATE_EPOCH gives one). The source_date target
# rewrites it on every build, but only when the value changed, and a target
# given to jednotar_link_at_source_date() is linked again when it does.
set(JEDNOTAR_SOURCE_DATE_FILE ${PROJECT_BINARY_DIR}/source-date.txt)

add_custom_target(source_date
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DOUTPUT=${JEDNOTAR_SOURCE_DATE_FILE}
    -P ${CMAKE_CURRENT_LIST_DIR}/write-source-date.cmake
  BYPRODUCTS ${JEDNOTAR_SOURCE_DATE_FILE}
  COMMENT "Source date of ${PROJECT_NAME}"
  VERBATIM)

function(jednotar_link_at_source_date target)
  add_dependencies(${target} source_date)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${JEDNOTAR_SOURCE_DATE_FILE})
  # GNU ld writes SOURCE_DATE_EPOCH into the PE header instead of the current
  # time; a launcher sets it for the link alone. (MSVC's linker would need
  # /Brepro; the release is made with MinGW-w64.)
  if(NOT MSVC)
    set_property(TARGET ${target} PROPERTY CXX_LINKER_LAUNCHER
      ${CMAKE_COMMAND} -DSOURCE_DATE_FILE=${JEDNOTAR_SOURCE_DATE_FILE}
      -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/link-at-source-date.cmake --)
  endif()
endfunction()
