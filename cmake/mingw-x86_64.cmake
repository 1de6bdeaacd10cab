# 64-bit Windows: the same sources for test runs on hosts whose kernel cannot
# execute 32-bit code (there 32-bit Wine cannot start).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
