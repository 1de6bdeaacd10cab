# cmake -DSOURCE=<dir> -DSCRATCH=<dir> -P Release.cmake: the release again from a copy of the
# sources at a longer path, 14 hours east of UTC, under another umask, byte for byte as in
# build/release/dist but the record (a copy has no commit); then the zip's three files, the exe,
# and its texts, plain ASCII with CRLF line ends.
set(copy ${SCRATCH}/a/longer/path/to/another/copy/of/the/sources)
set(dist ${SOURCE}/build/release/dist)
file(REMOVE_RECURSE ${SCRATCH})
file(COPY ${SOURCE}/ DESTINATION ${copy} PATTERN .git EXCLUDE PATTERN build EXCLUDE)
execute_process(COMMAND sh -c "umask 077 && TZ=LINT-14 '${CMAKE_COMMAND}' --workflow --preset package"
  WORKING_DIRECTORY ${copy} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
set(zip "'${CMAKE_COMMAND}' -E tar")
foreach(check "diff -r -x '*.buildinfo' ${dist} ${copy}/build/release/dist"
    "test \"$(${zip} tf ${dist}/*.zip | paste -sd' ')\" = 'LICENSE.txt README.txt velmora.exe'"
    "mkdir zip && cd zip && ${zip} xf ${dist}/*.zip && cmp velmora.exe ${SOURCE}/build/release/velmora.exe"
    "! grep -naPv '^[\\t\\x20-\\x7e]*\\r$' zip/*.txt")
  execute_process(COMMAND sh -c "${check}" WORKING_DIRECTORY ${SCRATCH} RESULT_VARIABLE failed)
  if(failed)
    message(SEND_ERROR "failed: ${check}")
  endif()
endforeach()
file(REMOVE_RECURSE ${SCRATCH})
