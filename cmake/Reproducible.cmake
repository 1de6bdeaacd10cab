# Builds the release exe again from a copy of the sources at a longer path and compares its bytes
# with the shipped one: a path or a time that leaked into the exe would change them.
#   cmake -DSOURCE=<source dir> -DSHIPPED=<shipped exe> -DSCRATCH=<scratch dir> -P Reproducible.cmake
file(REMOVE_RECURSE ${SCRATCH})
set(copy ${SCRATCH}/a/longer/path/to/another/copy/of/the/sources)
foreach(item CMakeLists.txt CMakePresets.json app cmake controls dialog framework res)
  file(COPY ${SOURCE}/${item} DESTINATION ${copy})
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} --workflow --preset release WORKING_DIRECTORY ${copy}
  OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "the release build failed in ${copy}")
endif()
file(SHA256 ${SHIPPED} shipped)
file(SHA256 ${copy}/build/release/velmora.exe again)
message("${shipped}  ${SHIPPED}\n${again}  ${copy}/build/release/velmora.exe")
if(NOT shipped STREQUAL again)
  message(FATAL_ERROR "the two builds differ: the release build is not reproducible")
endif()
file(REMOVE_RECURSE ${SCRATCH})
