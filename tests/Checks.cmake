# The fixtures the suites run in, and the checks of the sources and of the release beside them,
# each under a label: wine, binary (with binary/), format, resources.

# A Wine session (prefix, Xvfb, wineserver) for the Wine suites, which source its session.env.
set(session ${CMAKE_SOURCE_DIR}/tools/wine-session)
add_test(NAME wine.start COMMAND ${session} start ${VELMORA_WINE_SESSION}
  ${CMAKE_CROSSCOMPILING_EMULATOR})
add_test(NAME wine.stop COMMAND ${session} stop ${VELMORA_WINE_SESSION})
set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine LABELS wine ENVIRONMENT DISPLAY=)
set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine LABELS wine)

# The release (the shipped exe, the zip, SHA256SUMS), made by its own preset, for the checks that
# read it.
add_test(NAME build.release COMMAND ${CMAKE_COMMAND} --workflow --preset package
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
set_tests_properties(build.release PROPERTIES FIXTURES_SETUP shipped LABELS binary)
set(VELMORA_SHIPPED_EXE ${CMAKE_SOURCE_DIR}/build/release/velmora.exe)

# The exe the end-to-end suite drives is byte for byte the shipped one, where it can be: 32-bit.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_test(NAME binary.shipped COMMAND cmp $<TARGET_FILE:velmora> ${VELMORA_SHIPPED_EXE})
else()
  add_test(NAME binary.shipped COMMAND echo
    "skipped: this host cannot run 32-bit code, so the end-to-end suite drives a 64-bit build")
  set_tests_properties(binary.shipped PROPERTIES SKIP_REGULAR_EXPRESSION "^skipped")
endif()
set_tests_properties(binary.shipped PROPERTIES FIXTURES_REQUIRED shipped LABELS binary)

# The same release from a copy of the sources elsewhere, and what its zip holds.
add_test(NAME binary.release COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR}
  -DSCRATCH=${CMAKE_BINARY_DIR}/release-again -P ${CMAKE_CURRENT_LIST_DIR}/binary/Release.cmake)
set_tests_properties(binary.release PROPERTIES FIXTURES_REQUIRED shipped LABELS binary)

# Every C++ file of ours as clang-format writes it with the project's .clang-format.
set(sources)
foreach(dir app bench controls dialog framework res tests)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}
    ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h)
  list(APPEND sources ${found})
endforeach()
add_test(NAME format COMMAND clang-format --dry-run --Werror ${sources}
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
set_tests_properties(format PROPERTIES LABELS format)

# The icons and the click in res/ are what tools/make-resources writes from its readable source.
add_test(NAME resources COMMAND sh -c [[tools/make-resources "$0" && cd "$0" &&
  for file in *; do cmp "$file" "$OLDPWD/res/$file" || exit 1; done]] ${CMAKE_BINARY_DIR}/resources
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
set_tests_properties(resources PROPERTIES LABELS resources)
