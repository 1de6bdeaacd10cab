# Shared by the two MinGW-w64 toolchain files; TOOLCHAIN_PREFIX and
# CMAKE_SYSTEM_PROCESSOR are set by the includer. The posix thread model is
# used because GoogleTest needs std::mutex, which the win32 variant lacks.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)
# windres preprocesses with the same compiler, not whichever variant the system's
# alternatives name (its own default arguments, and no __DATE__ or __TIME__).
set(CMAKE_RC_FLAGS_INIT "--preprocessor=${CMAKE_C_COMPILER} --preprocessor-arg=-E --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED --preprocessor-arg=-Werror=date-time")

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test executables run through Wine, both for CTest and for test discovery.
if(EXISTS ${WINE_LOADER})
  set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_LOADER})
endif()
