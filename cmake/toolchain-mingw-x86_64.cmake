# Cross-build for 64-bit Windows with mingw-w64: only the file manager's menu extension
# (a 64-bit file manager loads only 64-bit extensions) and its test probe.
# DUSK_MINGW_THREADS selects the compiler flavour as for the 32-bit build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
if(NOT DEFINED DUSK_MINGW_THREADS)
  set(DUSK_MINGW_THREADS win32)
endif()
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-${DUSK_MINGW_THREADS})
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-${DUSK_MINGW_THREADS})
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES DUSK_MINGW_THREADS)
