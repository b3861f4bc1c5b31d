# Makes the release files from the built program; run by the release target:
#   cmake -DVERSION=2.0.0.1 -DVERSION4=2.0.0.1 -DEXE=.../jednotar.exe -DICON=.../jednotar.ico
#         -DSOURCE_DIR=release -DSOURCE_DATE_FILE=.../source-date.txt -DWORK_DIR=...
#         -DOUTPUT_DIR=... -P make-release.cmake
# Writes, into OUTPUT_DIR and nothing else:
#   jednotar-<VERSION>-setup.exe, jednotar-<VERSION>-portable.zip, SHA256SUMS
# Every time inside the installer and the zip is the source date (the last
# commit's time, as in the program's PE header), so one commit always gives
# the same files.
cmake_minimum_required(VERSION 3.21)

foreach(var VERSION VERSION4 EXE ICON SOURCE_DIR SOURCE_DATE_FILE WORK_DIR OUTPUT_DIR)
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

# Python 3 writes the zip: CMake's own zip writer stores the files' access
# and change times and their owner, which differ from build to build.
find_program(PYTHON3 NAMES python3 python)
if(NOT PYTHON3)
  message(FATAL_ERROR "python3 not found: install Python 3 (Debian: apt-get install python3)")
endif()

file(READ "${SOURCE_DATE_FILE}" epoch)
if(epoch STREQUAL "")  # neither git nor SOURCE_DATE_EPOCH: the time of this build
  string(TIMESTAMP epoch "%s" UTC)
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/zip" "${OUTPUT_DIR}")
# Files of an earlier version would otherwise sit beside the new ones.
file(GLOB earlier "${OUTPUT_DIR}/jednotar-*-setup.exe" "${OUTPUT_DIR}/jednotar-*-portable.zip")
file(REMOVE ${earlier} "${OUTPUT_DIR}/SHA256SUMS")

# The portable zip: the program and a Czech README.txt, which Notepad of
# every Windows version reads right as UTF-8 with a byte-order mark and
# CRLF line ends. Making it also gives both files the source date as their
# modification time, which the installer then stores with the program.
file(READ "${SOURCE_DIR}/README.txt" readme)
string(CONFIGURE "${readme}" readme @ONLY)
string(REPLACE "\r\n" "\n" readme "${readme}")
string(REPLACE "\n" "\r\n" readme "${readme}")
string(ASCII 239 187 191 bom)
file(WRITE "${WORK_DIR}/zip/README.txt" "${bom}${readme}")
file(COPY_FILE "${EXE}" "${WORK_DIR}/zip/jednotar.exe")
execute_process(
  COMMAND ${PYTHON3} ${SOURCE_DIR}/make-zip.py "${OUTPUT_DIR}/${zip_name}" ${epoch}
    "${WORK_DIR}/zip/jednotar.exe" "${WORK_DIR}/zip/README.txt"
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "creating ${zip_name} failed (${rc})")
endif()

# The installer, from the same copy of the program.
execute_process(
  COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8
    -DVERSION=${VERSION} -DVERSION4=${VERSION4}
    -DEXE=${WORK_DIR}/zip/jednotar.exe -DICON=${ICON} -DOUTFILE=${OUTPUT_DIR}/${setup_name}
    ${SOURCE_DIR}/jednotar.nsi
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT EXISTS "${OUTPUT_DIR}/${setup_name}")
  message(FATAL_ERROR "makensis failed (${rc})")
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
