# Cross-build for 32-bit Windows with mingw-w64 (and, through toolchain-mingw-x86_64.cmake,
# for 64-bit, which sets DUSK_MINGW_ARCH and includes this file).
# DUSK_MINGW_THREADS selects the compiler flavour: "win32" for the shipped program
# (its runtime imports nothing Windows XP lacks), "posix" for the test programs
# (GoogleTest needs std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
if(NOT DEFINED DUSK_MINGW_ARCH)
  set(DUSK_MINGW_ARCH i686)
endif()
set(CMAKE_SYSTEM_PROCESSOR ${DUSK_MINGW_ARCH})
if(NOT DEFINED DUSK_MINGW_THREADS)
  set(DUSK_MINGW_THREADS win32)
endif()
set(CMAKE_C_COMPILER ${DUSK_MINGW_ARCH}-w64-mingw32-gcc-${DUSK_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${DUSK_MINGW_ARCH}-w64-mingw32-g++-${DUSK_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${DUSK_MINGW_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${DUSK_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
# Carried into try_compile projects.
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES DUSK_MINGW_THREADS)
