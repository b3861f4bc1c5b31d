# Parsing <windows.h>, and in the tests GoogleTest's header, is most of the
# time of compiling one source of the Windows build. A target of several
# sources parses them once, into a precompiled header that each of its
# sources then starts from (one source or two gain nothing). The sources
# still include what they use, so each builds without it too.
function(jednotar_precompile_headers)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "" "TARGETS;HEADERS")
  foreach(target IN LISTS arg_TARGETS)
    target_precompile_headers(${target} PRIVATE <windows.h> ${arg_HEADERS})
  endforeach()
endfunction()
