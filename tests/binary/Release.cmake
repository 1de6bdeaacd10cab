# Makes the release again from a copy of the sources at a longer path, 14 hours east of UTC and
# under another umask, and compares every byte with build/release/dist: a path, a time or a mode
# that leaked in would change them. Then what the zip holds: the four files, the shipped exe, and
# texts of plain ASCII with CRLF line ends.   cmake -DSOURCE=<dir> -DSCRATCH=<dir> -P Release.cmake
set(copy ${SCRATCH}/a/longer/path/to/another/copy/of/the/sources)
file(REMOVE_RECURSE ${SCRATCH})
file(COPY ${SOURCE}/ DESTINATION ${copy} PATTERN .git EXCLUDE PATTERN build EXCLUDE)
execute_process(COMMAND sh -c "umask 077 && TZ=LINT-14 '${CMAKE_COMMAND}' --workflow --preset package"
  WORKING_DIRECTORY ${copy} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(GLOB zip ${SOURCE}/build/release/dist/velmora-*-win32.zip)
file(MAKE_DIRECTORY ${SCRATCH}/zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${zip} WORKING_DIRECTORY ${SCRATCH}/zip)
file(GLOB held RELATIVE ${SCRATCH}/zip ${SCRATCH}/zip/*)
if(NOT held STREQUAL "BUILDINFO.txt;LICENSE.txt;README.txt;velmora.exe")
  message(FATAL_ERROR "${zip} holds '${held}'")
endif()
foreach(check "diff -r ${SOURCE}/build/release/dist ${copy}/build/release/dist"
    "cmp zip/velmora.exe ${SOURCE}/build/release/velmora.exe"
    "! grep -naPv '^[\\t\\x20-\\x7e]*\\r$' zip/BUILDINFO.txt zip/LICENSE.txt zip/README.txt")
  execute_process(COMMAND sh -c "${check}" WORKING_DIRECTORY ${SCRATCH} RESULT_VARIABLE failed)
  if(failed)
    message(SEND_ERROR "failed: ${check}")
  endif()
endforeach()
file(REMOVE_RECURSE ${SCRATCH})
