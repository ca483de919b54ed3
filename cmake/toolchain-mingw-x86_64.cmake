# Cross-build for 64-bit Windows with mingw-w64: only the file manager's menu extension
# (a 64-bit file manager loads only 64-bit extensions) and its test probe.
set(DUSK_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-i686.cmake)
