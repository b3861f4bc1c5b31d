# Makes the release files from the built program; run by the release target:
#   cmake -DVERSION=2.0.0.1 -DVERSION4=2.0.0.1 -DEXE=.../jednotar.exe -DICON=.../jednotar.ico
#         -DSOURCE_DIR=release -DWORK_DIR=... -DOUTPUT_DIR=... -P make-release.cmake
# Writes, into OUTPUT_DIR and nothing else:
#   jednotar-<VERSION>-setup.exe, jednotar-<VERSION>-portable.zip, SHA256SUMS
cmake_minimum_required(VERSION 3.21)

foreach(var VERSION VERSION4 EXE ICON SOURCE_DIR WORK_DIR OUTPUT_DIR)
  if("${${var}}" STREQUAL "")
    message(FATAL_ERROR "make-release.cmake: -D${var}=... is missing")
  endif()
endforeach()
if(NOT EXISTS "${EXE}")
  message(FATAL_ERROR "make-release.cmake: no program at ${EXE}")
endif()

set(setup_name jednotar-${VERSION}-setup.exe)
set(zip_name jednotar-${VERSION}-portable.zip)

# makensis comes from Debian's nsis package; install it when it is missing.
find_program(MAKENSIS makensis)
if(NOT MAKENSIS)
  find_program(APT_GET apt-get)
  if(APT_GET)
    message(STATUS "makensis is missing: installing Debian's nsis package")
    execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(uid STREQUAL "0")
      set(as_root env)
    else()
      set(as_root sudo)
    endif()
    execute_process(COMMAND ${as_root} DEBIAN_FRONTEND=noninteractive ${APT_GET} update -qq)
    execute_process(COMMAND ${as_root} DEBIAN_FRONTEND=noninteractive
      ${APT_GET} install -y -qq --no-install-recommends nsis)
    unset(MAKENSIS)
    find_program(MAKENSIS makensis)
  endif()
  if(NOT MAKENSIS)
    message(FATAL_ERROR "makensis not found: install NSIS 3 (Debian: apt-get install nsis)")
  endif()
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/zip" "${OUTPUT_DIR}")
# Files of an earlier version would otherwise sit beside the new ones.
file(GLOB earlier "${OUTPUT_DIR}/jednotar-*-setup.exe" "${OUTPUT_DIR}/jednotar-*-portable.zip")
file(REMOVE ${earlier} "${OUTPUT_DIR}/SHA256SUMS")

# The installer.
execute_process(
  COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8
    -DVERSION=${VERSION} -DVERSION4=${VERSION4}
    -DEXE=${EXE} -DICON=${ICON} -DOUTFILE=${OUTPUT_DIR}/${setup_name}
    ${SOURCE_DIR}/jednotar.nsi
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT EXISTS "${OUTPUT_DIR}/${setup_name}")
  message(FATAL_ERROR "makensis failed (${rc})")
endif()

# The portable zip: the program and a Czech README.txt, which Notepad of
# every Windows version reads right as UTF-8 with a byte-order mark and
# CRLF line ends.
file(READ "${SOURCE_DIR}/README.txt" readme)
string(CONFIGURE "${readme}" readme @ONLY)
string(REPLACE "\r\n" "\n" readme "${readme}")
string(REPLACE "\n" "\r\n" readme "${readme}")
string(ASCII 239 187 191 bom)
file(WRITE "${WORK_DIR}/zip/README.txt" "${bom}${readme}")
file(COPY_FILE "${EXE}" "${WORK_DIR}/zip/jednotar.exe")

# The files inside carry the time of the last commit, not of the build
# (SOURCE_DATE_EPOCH wins when set).
set(epoch "$ENV{SOURCE_DATE_EPOCH}")
if(epoch STREQUAL "")
  execute_process(COMMAND git -C "${SOURCE_DIR}" log -1 --format=%ct
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    set(epoch "")
  endif()
endif()
set(tar_mtime)
if(epoch MATCHES "^[0-9]+$")
  # string(TIMESTAMP) formats SOURCE_DATE_EPOCH instead of the current time.
  set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
  string(TIMESTAMP mtime "%Y-%m-%d %H:%M:%S UTC" UTC)
  set(tar_mtime "--mtime=${mtime}")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
    ${CMAKE_COMMAND} -E tar cf "${OUTPUT_DIR}/${zip_name}" --format=zip ${tar_mtime}
    jednotar.exe README.txt
  WORKING_DIRECTORY "${WORK_DIR}/zip"
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "creating ${zip_name} failed (${rc})")
endif()

# Checksums in sha256sum's format: sha256sum -c SHA256SUMS
set(sums "")
foreach(name ${zip_name} ${setup_name})
  file(SHA256 "${OUTPUT_DIR}/${name}" hash)
  string(APPEND sums "${hash}  ${name}\n")
endforeach()
file(WRITE "${OUTPUT_DIR}/SHA256SUMS" "${sums}")

message(STATUS "Release ${VERSION} in ${OUTPUT_DIR}:")
foreach(name ${setup_name} ${zip_name} SHA256SUMS)
  file(SIZE "${OUTPUT_DIR}/${name}" size)
  message(STATUS "  ${name}  (${size} bytes)")
endforeach()
