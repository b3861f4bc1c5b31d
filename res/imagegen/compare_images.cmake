# Runs imagegen into OUT_DIR and compares its files with those in REF_DIR.
#   cmake -DIMAGEGEN=... -DOUT_DIR=... -DREF_DIR=... -P compare_images.cmake

foreach(var IMAGEGEN OUT_DIR REF_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${OUT_DIR})
file(MAKE_DIRECTORY ${OUT_DIR})
execute_process(COMMAND ${IMAGEGEN} ${OUT_DIR} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "imagegen failed (${rc})")
endif()

set(stale "")
foreach(name jednotar.ico logo.bmp link.cur)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                    ${OUT_DIR}/${name} ${REF_DIR}/${name}
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    list(APPEND stale ${name})
  endif()
endforeach()
if(stale)
  message(FATAL_ERROR "committed images differ from the generator's output: ${stale}\n"
                      "regenerate them with the imagegen_update target and commit them")
endif()
message(STATUS "committed images match the generator")
